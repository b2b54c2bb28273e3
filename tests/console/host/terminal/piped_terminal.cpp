#include "tests/console/host/terminal/piped_terminal.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>

namespace conkit::host::terminal::testing {

PipedTerminal::PipedTerminal(Coord size, bool utf8) : screen_(size.column, size.row) {
    int fds[2];
    if (::pipe(fds) != 0) {
        throw std::runtime_error("pipe");
    }
    readFd_ = fds[0];
    writeFd_ = fds[1];
    ::fcntl(readFd_, F_SETFD, FD_CLOEXEC);
    ::fcntl(writeFd_, F_SETFD, FD_CLOEXEC);
#if defined(F_SETPIPE_SZ)
    // Large enough for any one call's output, so that the host never
    // blocks on a pipe that this thread empties only afterwards.
    ::fcntl(writeFd_, F_SETPIPE_SZ, 1 << 20);
#endif
    ::fcntl(readFd_, F_SETFL, O_NONBLOCK);
    nullFd_ = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    TerminalSettings settings;
    settings.outputIsTerminal = true;
    settings.utf8 = utf8;
    settings.terminalSize = size;
    host_ = std::make_unique<TerminalHost>(nullFd_, writeFd_, settings);
}

PipedTerminal::~PipedTerminal() {
    host_.reset();
    ::close(readFd_);
    ::close(writeFd_);
    ::close(nullFd_);
}

std::string PipedTerminal::Drain() {
    std::string bytes;
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(readFd_, chunk, sizeof chunk);
        if (got <= 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    screen_.Feed(bytes);
    return bytes;
}

std::string PipedTerminal::Finish() {
    host_.reset();
    return Drain();
}

}  // namespace conkit::host::terminal::testing
