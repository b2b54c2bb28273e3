// The key waits the terminal bench compares, each a KeyWaiter.
#pragma once

namespace conkit::bench {

// WaitKey on the terminal host.
void ConkitWaiter();

// ncurses' getch(), blocking in the kernel.
void GetchWaiter();

// The bare loop WaitKey was before it could block: a 10 ms sleep and two
// zero-timeout polls, as the floor for any sleep-and-poll wait.
void PollLoopWaiter();

}  // namespace conkit::bench
