// The CPU a program uses while it waits for a key on a terminal.
#pragma once

namespace conkit::bench {

// Starts program on a new 80x25 pseudo-terminal, lets it settle, and returns
// the CPU time it used during seconds, as a share of one core (0.01 = 1%).
// Negative when the program could not be run.
double IdleCpuShare(const char* program, double seconds);

// The same for a bare loop that sleeps 10 ms and polls the input twice, as
// the key wait does at the least: the floor this machine sets for any
// implementation of that wait.
double PollLoopCpuShare(double seconds);

}  // namespace conkit::bench
