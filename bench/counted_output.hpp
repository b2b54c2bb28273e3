// A terminal host whose output goes into a packet socket, so that every
// write(2) it makes is counted, with no input.
#pragma once

#include "conkit/host/console_types.hpp"
#include "console/host/terminal/terminal_host.hpp"

namespace conkit::bench {

class CountedOutput {
  public:
    CountedOutput();
    ~CountedOutput();
    CountedOutput(const CountedOutput&) = delete;
    CountedOutput& operator=(const CountedOutput&) = delete;

    // A host for a UTF-8 terminal of size, writing into the socket.
    host::terminal::TerminalHost Host(host::Coord size) const;

    // Where the host's writes arrive, one packet each.
    int Counted() const { return counted_; }

  private:
    int nullInput_ = -1;
    int written_ = -1;
    int counted_ = -1;
};

}  // namespace conkit::bench
