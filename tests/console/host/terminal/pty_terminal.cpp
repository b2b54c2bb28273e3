#include "tests/console/host/terminal/pty_terminal.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

#include "tests/testing/pseudo_terminal.hpp"

namespace conkit::host::terminal::testing {
namespace {

// Long enough for the pty to pass on what was written, short enough to keep
// the tests quick; a wait for bytes, never a measure of speed.
constexpr int kQuietMs = 50;

}  // namespace

PtyTerminal::PtyTerminal(Coord size) : screen_(size.column, size.row) {
    winsize window{};
    window.ws_col = size.column;
    window.ws_row = size.row;
    if (::openpty(&master_, &slave_, nullptr, nullptr, &window) != 0) {
        throw std::runtime_error("openpty");
    }
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    TerminalSettings settings;
    settings.inputIsTty = true;
    settings.outputIsTerminal = true;
    settings.utf8 = true;
    settings.terminalSize = size;
    // The tests answer the host's queries themselves, when they do.
    settings.replyTimeoutMs = 0;
    host_ = std::make_unique<TerminalHost>(slave_, slave_, settings);
}

PtyTerminal::~PtyTerminal() {
    host_.reset();
    if (master_ >= 0) {
        ::close(master_);
    }
    ::close(slave_);
}

void PtyTerminal::Type(std::string_view bytes) const {
    EXPECT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
}

std::string PtyTerminal::Drain() {
    std::string bytes;
    pollfd ready{master_, POLLIN, 0};
    while (master_ >= 0 && ::poll(&ready, 1, kQuietMs) > 0 && (ready.revents & POLLIN) != 0) {
        char chunk[4096];
        const ssize_t got = ::read(master_, chunk, sizeof chunk);
        if (got <= 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    screen_.Feed(bytes);
    return bytes;
}

void PtyTerminal::Resize(Coord size) {
    winsize window{};
    window.ws_col = size.column;
    window.ws_row = size.row;
    ::ioctl(master_, TIOCSWINSZ, &window);
    screen_.Resize(size.column == 0 ? 1 : size.column, size.row == 0 ? 1 : size.row);
    std::raise(SIGWINCH);
}

std::string PtyTerminal::Finish() {
    host_.reset();
    return Drain();
}

void PtyTerminal::HangUp() {
    ::close(master_);
    master_ = -1;
}

}  // namespace conkit::host::terminal::testing
