// Key events from an input that is a stream of bytes (a file or a pipe)
// rather than a keyboard. The bytes are decoded as a terminal's are, so the
// same bytes give the same keys on every platform, and the queue, the
// discard and the end of the input behave as the terminal host's do.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "console/host/decoding/key_decoder.hpp"
#include "console/host/input_queue.hpp"

namespace conkit::host {

// The bytes of the input that have arrived, taken without waiting.
class ReadyBytes {
  public:
    // When nothing is buffered, takes what has arrived without waiting for
    // more. Returns the bytes buffered.
    virtual std::span<const std::uint8_t> FillReady() = 0;
    virtual void Consume(std::size_t count) = 0;
    // True once a read found the end of the input.
    virtual bool Ended() const = 0;

  protected:
    ~ReadyBytes() = default;
};

// The steady clock in milliseconds, as the decoder takes its times.
std::chrono::milliseconds SteadyNow();

class StreamKeys final : private terminal::DecoderSink {
  public:
    // replies, when given, receives the terminal's answers to queries;
    // without it such bytes are dropped, as a file or a pipe answers none.
    explicit StreamKeys(ReadyBytes& source, terminal::ReplySink* replies = nullptr)
        : source_(source), replies_(replies) {}

    // When the queue is empty, decodes an ESC that waited past its timeout
    // and the bytes ready at now. Never blocks.
    void Pump(std::chrono::milliseconds now);

    // Throws away the queued events and the bytes ready now (a bounded
    // amount), as a console flush throws away what was typed ahead. A
    // sequence whose first bytes were among them is still recognised whole.
    void Discard(std::chrono::milliseconds now);

    // Decodes the bytes ready at now, whatever is queued.
    void DecodeReady(std::chrono::milliseconds now);

    // When an unfinished sequence must be decided; nothing when none waits.
    std::optional<std::chrono::milliseconds> Deadline() const { return decoder_.Deadline(); }

    // True when no key can come any more.
    bool Exhausted() const { return queue_.Empty() && source_.Ended(); }

    InputQueue& Queue() { return queue_; }

  private:
    void Key(const InputRecord& record) override;
    void KittyFlagsReported(std::uint32_t flags) override;
    void DeviceAttributesReported() override;
    bool CursorPositionReported(std::uint32_t row, std::uint32_t column) override;
    void ModeReported(std::uint32_t mode, std::uint32_t state) override;

    ReadyBytes& source_;
    terminal::ReplySink* replies_;
    terminal::KeyDecoder decoder_;
    InputQueue queue_;
};

}  // namespace conkit::host
