#include "console/host/input_queue.hpp"

#include <algorithm>

namespace conkit::host {

bool InputQueue::Push(const InputRecord& record) {
    if (size_ == kCapacity) {
        return false;
    }
    ring_[(head_ + size_) % kCapacity] = record;
    ++size_;
    return true;
}

std::uint32_t InputQueue::Peek(InputRecord* records, std::uint32_t length) const {
    const std::uint32_t n = std::min(length, size_);
    for (std::uint32_t i = 0; i < n; ++i) {
        records[i] = ring_[(head_ + i) % kCapacity];
    }
    return n;
}

std::uint32_t InputQueue::Read(InputRecord* records, std::uint32_t length) {
    const std::uint32_t n = Peek(records, length);
    head_ = (head_ + n) % kCapacity;
    size_ -= n;
    return n;
}

}  // namespace conkit::host
