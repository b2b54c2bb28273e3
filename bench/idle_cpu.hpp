// What a program costs while it waits for a key on a terminal: the CPU it
// uses and how late it sees a key.
#pragma once

namespace conkit::bench {

// Starts program on a new 80x25 pseudo-terminal, lets it settle, and returns
// the CPU time it used during seconds, as a share of one core (0.01 = 1%).
// Negative when the program could not be run.
double IdleCpuShare(const char* program, double seconds);

// Waits for a key on its standard input (a pseudo-terminal) and answers each
// with one '#' on its standard output, forever; run in a child process.
using KeyWaiter = void (*)();

struct WaitCost {
    // Share of one core while no key comes; negative when it failed.
    double cpuShare;
    // Mean time from a key written to the terminal to the answer.
    double latencyMs;
};

// Runs waiter on a new 80x25 pseudo-terminal: its CPU over idleSeconds, then
// the latency of keys typed one at a time at moments spread over 10 ms.
WaitCost MeasureWaiter(KeyWaiter waiter, double idleSeconds, int keys);

}  // namespace conkit::bench
