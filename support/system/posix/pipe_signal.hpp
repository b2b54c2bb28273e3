// A write into a pipe whose reader is gone fails with EPIPE instead of
// ending the process, whatever the program's own handling of SIGPIPE.
#pragma once

#include <csignal>

namespace conkit::os {

// Holds the signal back from construction, just before a write to fd, to
// Release, just after it. On Linux and FreeBSD the signal goes to the
// writing thread: it is blocked there, and the one the write raised is taken
// back (one pending from before stays pending). On macOS it goes to the
// process, so the descriptor is told not to raise it instead, and then put
// back as it was (the setting belongs to the open file, which other
// processes may share).
class PipeSignalHold {
  public:
    explicit PipeSignalHold(int fd);
    PipeSignalHold(const PipeSignalHold&) = delete;
    PipeSignalHold& operator=(const PipeSignalHold&) = delete;

    // brokenPipe: the write failed with EPIPE. Leaves errno as it was.
    void Release(bool brokenPipe);

  private:
#if defined(__APPLE__)
    int fd_;
    int previous_ = -1;
#else
    sigset_t previousMask_{};
    bool pendingBefore_ = false;
#endif
};

}  // namespace conkit::os
