// What the decoder takes a byte stream to mean, beyond the sequences
// themselves (sequence_reports.hpp):
//   ESC key     the key with Alt added, a key sent as a sequence too
//               (ESC ESC [ D is Alt+Left); ESC ESC before anything else
//               is the Escape key, and the second ESC starts afresh
//   ESC alone   the Escape key once the timeout has passed since the last
//               byte, ESC ESC alone two of them; any other unfinished
//               sequence is then dropped (after an ESC ESC, the first ESC
//               stays the Escape key)
//   0x08, 0x7F  Backspace (so Ctrl+H is Backspace too)
//   UTF-8       the character's code page 437 byte; invalid bytes are
//               dropped
// A control sequence longer than kLongestSequence is skipped to its final
// byte; a control byte inside a sequence ends it and is read afresh.
#include "console/host/decoding/key_decoder.hpp"

#include <algorithm>

#include "console/host/decoding/control_sequence.hpp"
#include "console/host/decoding/sequence_reports.hpp"
#include "console/host/decoding/us_keyboard.hpp"
#include "console/host/decoding/utf8_reader.hpp"

namespace conkit::host::decoding {
namespace {

constexpr std::uint8_t kEscape = 0x1B;
// The bytes after ESC that open a control sequence or a single shift.
constexpr std::uint8_t kCsiOpener = '[';
constexpr std::uint8_t kSs3Opener = 'O';
// The Linux console's F1-F5 are CSI [ letter.
constexpr std::uint8_t kLinuxConsoleOpener = '[';

void EmitKey(KeyEventRecord key, DecoderSink& sink) {
    sink.Key(InputRecord{kKeyEvent, key});
}

bool IsSequenceByte(std::uint8_t byte) {
    return byte >= 0x20 && byte <= 0x7E;
}

// Passes on what a sequence after an extra ESC means, with Alt added to
// its keys.
class AltSink final : public DecoderSink {
  public:
    explicit AltSink(DecoderSink& sink) : sink_(sink) {}

    void Key(const InputRecord& record) override {
        InputRecord withAlt = record;
        withAlt.key.controlState |= kAltBit;
        sink_.Key(withAlt);
        keyed_ = true;
    }
    void KittyFlagsReported(std::uint32_t flags) override { sink_.KittyFlagsReported(flags); }
    void DeviceAttributesReported() override { sink_.DeviceAttributesReported(); }
    bool CursorPositionReported(std::uint32_t row, std::uint32_t column) override {
        return sink_.CursorPositionReported(row, column);
    }
    void ModeReported(std::uint32_t mode, std::uint32_t state) override {
        sink_.ModeReported(mode, state);
    }

    // True once a key went through.
    bool Keyed() const { return keyed_; }

  private:
    DecoderSink& sink_;
    bool keyed_ = false;
};

}  // namespace

void KeyDecoder::Feed(const std::uint8_t* bytes, std::size_t count, std::chrono::milliseconds now,
                      DecoderSink& sink) {
    // Bytes that waited past the timeout are decided before the new ones
    // arrive, even when the host called Expire late.
    Expire(now, sink);
    if (count == 0) {
        return;
    }
    lastByte_ = now;
    for (std::size_t index = 0; index < count; ++index) {
        Push(bytes[index], sink);
    }
}

void KeyDecoder::Expire(std::chrono::milliseconds now, DecoderSink& sink) {
    if (!Waiting() || !TimedOut(now)) {
        return;
    }
    // A lone ESC is the Escape key, and so is the first of ESC ESC before a
    // sequence that never ended; ESC ESC alone is two of them.
    const bool escapeFirst = pendingCount_ != 0 && pending_[0] == kEscape;
    if (escapeFirst && (pendingCount_ == 1 || pending_[1] == kEscape)) {
        EmitKey(KeyDown(kEscapeKey, 0), sink);
        if (pendingCount_ == 2) {
            EmitKey(KeyDown(kEscapeKey, 0), sink);
        }
    }
    pendingCount_ = 0;
    discarding_ = false;
}

std::optional<std::chrono::milliseconds> KeyDecoder::Deadline() const {
    if (!Waiting()) {
        return std::nullopt;
    }
    constexpr auto kLatest = std::chrono::milliseconds::max();
    if (lastByte_ > kLatest - kEscapeTimeout) {
        return kLatest;
    }
    return lastByte_ + kEscapeTimeout;
}

bool KeyDecoder::TimedOut(std::chrono::milliseconds now) const {
    if (now < lastByte_) {
        return false;
    }
    // Unsigned, so that no pair of times can overflow.
    const std::uint64_t elapsed =
        static_cast<std::uint64_t>(now.count()) - static_cast<std::uint64_t>(lastByte_.count());
    return elapsed >= static_cast<std::uint64_t>(kEscapeTimeout.count());
}

void KeyDecoder::Push(std::uint8_t byte, DecoderSink& sink) {
    if (discarding_) {
        if (byte >= 0x20 && byte <= 0x3F) {
            return;
        }
        discarding_ = false;
        if (IsSequenceByte(byte)) {
            return;
        }
    }
    pending_[pendingCount_++] = byte;
    while (pendingCount_ != 0) {
        const std::size_t used = DecodeFront(sink);
        if (used == 0) {
            break;
        }
        std::copy(pending_.begin() + static_cast<std::ptrdiff_t>(used),
                  pending_.begin() + static_cast<std::ptrdiff_t>(pendingCount_), pending_.begin());
        pendingCount_ -= used;
    }
    if (pendingCount_ == kLongestSequence) {
        pendingCount_ = 0;
        discarding_ = true;
    }
}

std::size_t KeyDecoder::DecodeFront(DecoderSink& sink) {
    if (pending_[0] == kEscape) {
        return DecodeEscape(sink);
    }
    return DecodeText(0, 0, sink);
}

std::size_t KeyDecoder::DecodeEscape(DecoderSink& sink) {
    if (pendingCount_ < 2) {
        return 0;
    }
    switch (pending_[1]) {
        case kCsiOpener:
            return DecodeCsi(0, sink);
        case kSs3Opener:
            return DecodeSs3(0, sink);
        case kEscape:
            return DecodeAltSequence(sink);
        default:
            return DecodeText(1, kAltBit, sink);
    }
}

std::size_t KeyDecoder::DecodeAltSequence(DecoderSink& sink) {
    if (pendingCount_ < 3) {
        return 0;
    }
    if (pending_[2] != kCsiOpener && pending_[2] != kSs3Opener) {
        // The first ESC is the Escape key; the second starts afresh.
        EmitKey(KeyDown(kEscapeKey, 0), sink);
        return 1;
    }
    AltSink alt(sink);
    const std::size_t used = pending_[2] == kCsiOpener ? DecodeCsi(1, alt) : DecodeSs3(1, alt);
    // A reply or an unknown sequence after the first ESC leaves it the
    // Escape key.
    if (used != 0 && !alt.Keyed()) {
        EmitKey(KeyDown(kEscapeKey, 0), sink);
    }
    return used;
}

std::size_t KeyDecoder::DecodeCsi(std::size_t escape, DecoderSink& sink) {
    const std::size_t start = escape + 2;
    if (pendingCount_ <= start) {
        return 0;
    }
    if (pending_[start] == kLinuxConsoleOpener) {
        if (pendingCount_ <= start + 1) {
            return 0;
        }
        const std::uint8_t letter = pending_[start + 1];
        if (!IsSequenceByte(letter)) {
            return start + 1;
        }
        ReportLinuxConsoleKey(letter, sink);
        return start + 2;
    }
    ControlSequence sequence;
    const SequenceScan scan =
        ScanControlSequence(pending_.data() + start, pendingCount_ - start, sequence);
    if (scan.status == SequenceStatus::incomplete) {
        return 0;
    }
    if (scan.status == SequenceStatus::complete) {
        ReportCsi(sequence, kittyTerminal_, sink);
        kittyTerminal_ = kittyTerminal_ || (sequence.marker == '?' && sequence.final == 'u');
    }
    return start + scan.length;
}

std::size_t KeyDecoder::DecodeSs3(std::size_t escape, DecoderSink& sink) {
    const std::size_t start = escape + 2;
    ControlSequence sequence;
    const SequenceScan scan =
        ScanControlSequence(pending_.data() + start, pendingCount_ - start, sequence);
    if (scan.status == SequenceStatus::incomplete) {
        return 0;
    }
    if (scan.status == SequenceStatus::complete) {
        ReportSs3(sequence, sink);
    }
    return start + scan.length;
}

std::size_t KeyDecoder::DecodeText(std::size_t offset, std::uint32_t extraState,
                                   DecoderSink& sink) {
    const Utf8Read read = ReadUtf8(pending_.data() + offset, pendingCount_ - offset);
    if (read.status == Utf8Status::incomplete) {
        return 0;
    }
    if (read.status == Utf8Status::complete) {
        KeyEventRecord key = read.code < 0x80 ? KeyForByte(static_cast<std::uint8_t>(read.code))
                                              : KeyForCharacter(read.code);
        key.controlState |= extraState;
        EmitKey(key, sink);
    }
    return offset + read.length;
}

}  // namespace conkit::host::decoding
