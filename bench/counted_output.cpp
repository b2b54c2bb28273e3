#include "bench/counted_output.hpp"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace conkit::bench {

CountedOutput::CountedOutput() : nullInput_(::open("/dev/null", O_RDONLY)) {
    int sockets[2];
    ::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, sockets);
    // Room for the largest frame measured, so that no write waits for the
    // drain that follows it.
    const int room = 1 << 20;
    ::setsockopt(sockets[0], SOL_SOCKET, SO_SNDBUF, &room, sizeof room);
    written_ = sockets[0];
    counted_ = sockets[1];
}

CountedOutput::~CountedOutput() {
    for (const int fd : {nullInput_, written_, counted_}) {
        ::close(fd);
    }
}

host::terminal::TerminalHost CountedOutput::Host(host::Coord size) const {
    host::terminal::TerminalSettings settings;
    settings.outputIsTerminal = true;
    settings.utf8 = true;
    settings.terminalSize = size;
    return host::terminal::TerminalHost(nullInput_, written_, settings);
}

}  // namespace conkit::bench
