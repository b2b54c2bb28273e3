// A terminal host on the slave side of a pseudo-terminal; the test plays the
// terminal on the master side, typing bytes and reading what the host
// showed into an emulator screen.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "console/host/terminal/terminal_host.hpp"
#include "tests/console/host/terminal/vterm_screen.hpp"

namespace conkit::host::terminal::testing {

class PtyTerminal {
  public:
    explicit PtyTerminal(Coord size = {80, 25});
    ~PtyTerminal();
    PtyTerminal(const PtyTerminal&) = delete;
    PtyTerminal& operator=(const PtyTerminal&) = delete;

    TerminalHost& Host() { return *host_; }
    VtermScreen& Screen() { return screen_; }
    int Slave() const { return slave_; }

    // Sends bytes as the terminal's keyboard would.
    void Type(std::string_view bytes) const;

    // Feeds the emulator everything the host wrote until the pty has been
    // quiet for a moment, and returns it.
    std::string Drain();

    // Changes the window size as a terminal does, and tells the process.
    void Resize(Coord size);

    // Ends the host, which restores the terminal, and drains.
    std::string Finish();

    // Closes the master side: the terminal hangs up.
    void HangUp();

  private:
    int master_ = -1;
    int slave_ = -1;
    VtermScreen screen_;
    std::unique_ptr<TerminalHost> host_;
};

}  // namespace conkit::host::terminal::testing
