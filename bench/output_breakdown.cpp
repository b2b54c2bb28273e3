#include "bench/output_breakdown.hpp"

namespace conkit::bench {

void OutputBreakdown::AddWrite(std::string_view data) {
    ++writes;
    bytes += data.size();
    std::size_t i = 0;
    while (i < data.size()) {
        const char byte = data[i];
        if (byte == '\x1b' && i + 1 < data.size() && data[i + 1] == '[') {
            std::size_t end = i + 2;
            while (end < data.size() && (data[end] < 0x40 || data[end] > 0x7E)) {
                ++end;
            }
            const std::size_t length = end + 1 - i;
            const char final = end < data.size() ? data[end] : '\0';
            if (final == 'm') {
                sgr += length;
            } else if (final == 'H' || (final >= 'A' && final <= 'G')) {
                motion += length;
            } else {
                other += length;
            }
            i = end + 1;
        } else if (byte == '\b' || byte == '\r' || byte == '\n') {
            ++motion;
            ++i;
        } else if (byte == '\x1b') {
            ++other;
            ++i;
        } else {
            ++characters;
            ++i;
        }
    }
}

}  // namespace conkit::bench
