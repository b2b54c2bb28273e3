// The bytes of the input descriptor: read only when the system says they
// are ready (system_calls.hpp), so that nothing blocks unless asked to wait, and the end of the
// input (end of file, a hang-up, a read error) is noticed once and kept.
#pragma once

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <span>

#include "console/host/byte_source.hpp"

namespace conkit::host::terminal {

class InputSource final : public ByteSource {
  public:
    // The most bytes one read takes; small enough that what they decode to
    // always fits in the input queue.
    static constexpr std::size_t kChunk = 128;

    explicit InputSource(int fd) : fd_(fd) {}

    // When nothing is buffered, reads what is ready now without waiting.
    // Returns the bytes buffered.
    std::span<const std::uint8_t> FillReady() override;

    // Bytes buffered and not yet consumed.
    std::span<const std::uint8_t> Buffered() const;
    void Consume(std::size_t count) override;

    // Waits until bytes are ready, the input ends, timeoutMs passes (-1:
    // no limit) or a signal arrives; the signal mask is mask while waiting.
    void Wait(int timeoutMs, const sigset_t& mask) const;

    // True once a read found the end of the input.
    bool Ended() const override { return ended_; }

    // Bytes read from the descriptor, and consumed, since the start.
    std::uint64_t BytesRead() const { return read_; }
    std::uint64_t Consumed() const { return consumed_; }

    // No read takes bytes past the first boundary ones from the start, so
    // that what was read before it can be told from what came after.
    void SetBoundary(std::uint64_t boundary) { boundary_ = boundary; }

  private:
    int fd_;
    std::uint8_t buffer_[kChunk] = {};
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::uint64_t consumed_ = 0;
    std::uint64_t read_ = 0;
    std::uint64_t boundary_ = 0;
    bool ended_ = false;
};

}  // namespace conkit::host::terminal
