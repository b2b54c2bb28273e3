#include "support/system/posix/pipe_signal.hpp"

#include <fcntl.h>
#include <pthread.h>

#include <cerrno>
#include <ctime>

namespace conkit::os {

#if defined(__APPLE__)

PipeSignalHold::PipeSignalHold(int fd) : fd_(fd) {
    previous_ = ::fcntl(fd, F_GETNOSIGPIPE);
    if (previous_ == 0) {
        ::fcntl(fd, F_SETNOSIGPIPE, 1);
    }
}

void PipeSignalHold::Release(bool) {
    const int savedErrno = errno;
    if (previous_ == 0) {
        ::fcntl(fd_, F_SETNOSIGPIPE, 0);
    }
    errno = savedErrno;
}

#else

namespace {

sigset_t PipeSignal() {
    sigset_t signal;
    sigemptyset(&signal);
    sigaddset(&signal, SIGPIPE);
    return signal;
}

}  // namespace

PipeSignalHold::PipeSignalHold(int) {
    const sigset_t pipeSignal = PipeSignal();
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previousMask_);
    sigset_t pending;
    sigpending(&pending);
    pendingBefore_ = sigismember(&pending, SIGPIPE) == 1;
}

void PipeSignalHold::Release(bool brokenPipe) {
    const int savedErrno = errno;
    if (brokenPipe && !pendingBefore_) {
        const sigset_t pipeSignal = PipeSignal();
        const timespec now{};
        while (sigtimedwait(&pipeSignal, nullptr, &now) == -1 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
    errno = savedErrno;
}

#endif

}  // namespace conkit::os
