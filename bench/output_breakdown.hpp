// Sorts the bytes sent to a terminal into what they do: characters shown,
// cursor motion, colour changes (SGR) and anything else.
#pragma once

#include <cstddef>
#include <string_view>

namespace conkit::bench {

struct OutputBreakdown {
    std::size_t writes = 0;
    std::size_t bytes = 0;
    std::size_t characters = 0;
    std::size_t motion = 0;
    std::size_t sgr = 0;
    std::size_t other = 0;

    // Adds the bytes of one write(2).
    void AddWrite(std::string_view bytes);
};

}  // namespace conkit::bench
