// A terminal host whose output runs through a pipe into an emulator screen,
// so that a test sees what a real terminal would show.
#pragma once

#include <memory>
#include <string>

#include "console/host/terminal/terminal_host.hpp"
#include "tests/console/host/terminal/vterm_screen.hpp"

namespace conkit::host::terminal::testing {

class PipedTerminal {
  public:
    // A terminal of the given size showing UTF-8 (or not); the host's
    // buffer is as large as it makes it.
    explicit PipedTerminal(Coord size, bool utf8 = true);
    ~PipedTerminal();
    PipedTerminal(const PipedTerminal&) = delete;
    PipedTerminal& operator=(const PipedTerminal&) = delete;

    TerminalHost& Host() { return *host_; }
    VtermScreen& Screen() { return screen_; }

    // Feeds the emulator what the host wrote since the last call and
    // returns it.
    std::string Drain();

    // Ends the host (which restores the terminal) and drains.
    std::string Finish();

  private:
    int readFd_ = -1;
    int writeFd_ = -1;
    int nullFd_ = -1;
    VtermScreen screen_;
    std::unique_ptr<TerminalHost> host_;
};

}  // namespace conkit::host::terminal::testing
