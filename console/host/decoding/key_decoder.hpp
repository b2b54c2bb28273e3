// Turns the bytes a terminal sends into console key events: the Windows
// virtual-key code, the PC set-1 scan code, the code page 437 character and
// the control-key state of a US keyboard.
//
// The decoder does no I/O. The terminal host feeds it the bytes it reads with
// the time they arrived, and calls Expire when no byte came, so that a lone
// ESC becomes the Escape key once the timeout has passed. Tests and the
// fuzzer drive it directly.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "console/host/decoding/decoder_sink.hpp"

namespace conkit::host::decoding {

class KeyDecoder {
  public:
    // How long an ESC may wait for the rest of a sequence, counted from the
    // last byte that arrived.
    static constexpr std::chrono::milliseconds kEscapeTimeout{25};

    // Decodes bytes that arrived at now. Complete keys and reports go to
    // sink; an unfinished sequence at the end waits for more bytes.
    void Feed(const std::uint8_t* bytes, std::size_t count, std::chrono::milliseconds now,
              DecoderSink& sink);

    // Decides what still waits once the timeout has passed since the last
    // byte, by the rules for a lone ESC at the top of key_decoder.cpp.
    void Expire(std::chrono::milliseconds now, DecoderSink& sink);

    // When Expire must next be called, or nothing when no byte waits.
    std::optional<std::chrono::milliseconds> Deadline() const;

  private:
    // The longest sequence kept whole; the rest of a longer one is thrown
    // away unread.
    static constexpr std::size_t kLongestSequence = 64;

    void Push(std::uint8_t byte, DecoderSink& sink);
    bool Waiting() const { return pendingCount_ != 0 || discarding_; }
    bool TimedOut(std::chrono::milliseconds now) const;

    // Each decodes what starts at the front of pending_ and returns how
    // many bytes it used, or 0 when it needs more.
    std::size_t DecodeFront(DecoderSink& sink);
    std::size_t DecodeEscape(DecoderSink& sink);
    // ESC ESC: Alt with the key of a sequence, or the Escape key.
    std::size_t DecodeAltSequence(DecoderSink& sink);
    // The sequence whose ESC is at offset escape; the bytes used count from
    // the front.
    std::size_t DecodeCsi(std::size_t escape, DecoderSink& sink);
    std::size_t DecodeSs3(std::size_t escape, DecoderSink& sink);
    // A byte or UTF-8 character at offset, with extraState added to its key.
    std::size_t DecodeText(std::size_t offset, std::uint32_t extraState, DecoderSink& sink);

    std::array<std::uint8_t, kLongestSequence> pending_{};
    std::size_t pendingCount_ = 0;
    // An over-long control sequence is being skipped up to its final byte.
    bool discarding_ = false;
    // The terminal answered the kitty keyboard query: it speaks that
    // protocol, whose F1 is a bare CSI P.
    bool kittyTerminal_ = false;
    std::chrono::milliseconds lastByte_{0};
};

}  // namespace conkit::host::decoding
