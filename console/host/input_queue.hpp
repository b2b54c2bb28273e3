// A fixed-capacity queue of console input events, oldest first. It never
// allocates: a full queue refuses the newest event, as a full console input
// buffer would lose it.
#pragma once

#include <array>
#include <cstdint>

#include "conkit/host/console_types.hpp"

namespace conkit::host {

class InputQueue {
  public:
    static constexpr std::uint32_t kCapacity = 256;

    std::uint32_t Size() const { return size_; }
    bool Empty() const { return size_ == 0; }

    // Returns false, and keeps the queue as it was, when it is full.
    bool Push(const InputRecord& record);

    // Copy up to length of the oldest events; Read also removes them.
    std::uint32_t Peek(InputRecord* records, std::uint32_t length) const;
    std::uint32_t Read(InputRecord* records, std::uint32_t length);

    void Flush() { head_ = size_ = 0; }

  private:
    std::array<InputRecord, kCapacity> ring_{};
    std::uint32_t head_ = 0;
    std::uint32_t size_ = 0;
};

}  // namespace conkit::host
