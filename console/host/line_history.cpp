#include "console/host/line_history.hpp"

#include <algorithm>

namespace conkit::host {

void LineHistory::Add(std::string_view line) {
    line = line.substr(0, kLineLength);
    if (line.empty() || (count_ > 0 && Entry(count_ - 1) == line)) {
        return;
    }
    std::uint32_t slot = 0;
    if (count_ < kLines) {
        slot = (oldest_ + count_) % kLines;
        ++count_;
    } else {
        slot = oldest_;
        oldest_ = (oldest_ + 1) % kLines;
    }
    std::copy(line.begin(), line.end(), lines_[slot].begin());
    lengths_[slot] = static_cast<std::uint32_t>(line.size());
}

std::string_view LineHistory::Entry(std::uint32_t index) const {
    if (index >= count_) {
        return {};
    }
    const std::uint32_t slot = (oldest_ + index) % kLines;
    return {lines_[slot].data(), lengths_[slot]};
}

}  // namespace conkit::host
