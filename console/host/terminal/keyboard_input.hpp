// Key events from the terminal's bytes, decoded as any byte stream's are
// (stream_keys.hpp), and the terminal's answers to the start-up queries.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

#include "console/host/decoding/key_decoder.hpp"
#include "console/host/input_queue.hpp"
#include "console/host/stream_keys.hpp"
#include "console/host/terminal/input_source.hpp"

namespace conkit::host::terminal {

class KeyboardInput final : private decoding::ReplySink {
  public:
    explicit KeyboardInput(InputSource& source) : source_(source), keys_(source, this) {}

    // When the queue is empty, decodes the bytes ready now and an ESC that
    // waited past its timeout. Never blocks.
    void Pump() { keys_.Pump(SteadyNow()); }

    InputQueue& Queue() { return keys_.Queue(); }

    // Throws away the queued events and the bytes ready now. A sequence
    // whose first bytes were among them is still recognised whole.
    void Discard() { keys_.Discard(SteadyNow()); }

    // True when no key can come any more: the queue is empty and the input
    // has ended.
    bool Exhausted() const { return keys_.Exhausted(); }

    // How long until an unfinished sequence must be decided; nothing when
    // none waits.
    std::optional<std::chrono::milliseconds> TimeToDeadline() const;

    // True once, when the terminal has answered the kitty keyboard query
    // before its device attributes.
    bool TakeKittySupport();

    // True once the terminal has said it knows synchronized output (DEC
    // private mode 2026).
    bool SynchronizedOutput() const { return synchronizedOutput_; }

    // The host asked for the device attributes (and maybe a cursor position
    // before them): the replies are taken from the input until the device
    // attributes come, which every terminal answers last.
    void ExpectReplies(bool cursorReport);
    // True while the device attributes asked for have not come.
    bool RepliesPending() const { return repliesExpected_ && !attributesAnswered_; }
    // Decodes the input, keys included, until the replies asked for have
    // come or timeout has passed; true when they came.
    bool AwaitReplies(std::chrono::milliseconds timeout);
    // The cursor position reported (0-based), once.
    std::optional<Coord> TakeCursorReport();

  private:
    void KittyFlagsReported(std::uint32_t flags) override;
    void DeviceAttributesReported() override;
    bool CursorPositionReported(std::uint32_t row, std::uint32_t column) override;
    void ModeReported(std::uint32_t mode, std::uint32_t state) override;

    InputSource& source_;
    StreamKeys keys_;
    bool kittyAnswered_ = false;
    bool attributesAnswered_ = false;
    bool kittyNoticed_ = false;
    bool repliesExpected_ = false;
    bool cursorReportAwaited_ = false;
    bool synchronizedOutput_ = false;
    std::optional<Coord> cursorReport_;
};

}  // namespace conkit::host::terminal
