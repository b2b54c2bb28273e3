#include "bench/socket_capture.hpp"

#include <sys/socket.h>

#include <string_view>
#include <vector>

namespace conkit::bench {

OutputBreakdown DrainWrites(int fd) {
    OutputBreakdown breakdown;
    static std::vector<char> packet(std::size_t{1} << 20);
    for (;;) {
        const ssize_t got = ::recv(fd, packet.data(), packet.size(), MSG_DONTWAIT);
        if (got <= 0) {
            return breakdown;
        }
        breakdown.AddWrite(std::string_view(packet.data(), static_cast<std::size_t>(got)));
    }
}

}  // namespace conkit::bench
