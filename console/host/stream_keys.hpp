// Key events from an input that is a stream of bytes (a file or a pipe)
// rather than a keyboard. The bytes are decoded as a terminal's are, so the
// same bytes give the same keys on every platform, and the queue, the
// discard and the end of the input behave as the terminal host's do.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

#include "console/host/byte_source.hpp"
#include "console/host/decoding/key_decoder.hpp"
#include "console/host/input_queue.hpp"

namespace conkit::host {

// The steady clock in milliseconds, as the decoder takes its times.
std::chrono::milliseconds SteadyNow();

class StreamKeys final : private decoding::DecoderSink {
  public:
    // replies, when given, receives the terminal's answers to queries;
    // without it such bytes are dropped, as a file or a pipe answers none.
    explicit StreamKeys(ByteSource& source, decoding::ReplySink* replies = nullptr)
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

    ByteSource& source_;
    decoding::ReplySink* replies_;
    decoding::KeyDecoder decoder_;
    InputQueue queue_;
};

}  // namespace conkit::host
