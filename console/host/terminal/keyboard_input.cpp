#include "console/host/terminal/keyboard_input.hpp"

#include <csignal>

namespace conkit::host::terminal {
namespace {

// Enough rounds to drain what a fast typist or a paste left, few enough
// that a never-ending stream cannot hold a flush for long.
constexpr int kDiscardRounds = 32;

}  // namespace

std::chrono::milliseconds SteadyNow() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

void KeyboardInput::DecodeBuffered(std::chrono::milliseconds now) {
    const auto bytes = source_.FillReady();
    decoder_.Feed(bytes.data(), bytes.size(), now, *this);
    source_.Consume(bytes.size());
    if (source_.Ended()) {
        // No more bytes can complete a sequence: a trailing ESC is the key.
        decoder_.Expire(now + KeyDecoder::kEscapeTimeout, *this);
    }
}

void KeyboardInput::Pump() {
    if (!queue_.Empty()) {
        return;
    }
    const auto now = SteadyNow();
    decoder_.Expire(now, *this);
    if (queue_.Empty()) {
        DecodeBuffered(now);
    }
}

void KeyboardInput::Discard() {
    queue_.Flush();
    for (int round = 0; round < kDiscardRounds && !source_.FillReady().empty(); ++round) {
        DecodeBuffered(SteadyNow());
        queue_.Flush();
    }
}

std::optional<std::chrono::milliseconds> KeyboardInput::TimeToDeadline() const {
    const auto deadline = decoder_.Deadline();
    if (!deadline.has_value()) {
        return std::nullopt;
    }
    const auto now = SteadyNow();
    return *deadline > now ? *deadline - now : std::chrono::milliseconds{0};
}

bool KeyboardInput::TakeKittySupport() {
    if (!kittyAnswered_ || kittyNoticed_) {
        return false;
    }
    kittyNoticed_ = true;
    return true;
}

void KeyboardInput::ExpectReplies(bool cursorReport) {
    repliesExpected_ = true;
    attributesAnswered_ = false;
    cursorReportAwaited_ = cursorReport;
}

bool KeyboardInput::AwaitReplies(std::chrono::milliseconds timeout) {
    const auto deadline = SteadyNow() + timeout;
    sigset_t mask;
    sigprocmask(SIG_SETMASK, nullptr, &mask);
    for (;;) {
        DecodeBuffered(SteadyNow());
        if (!RepliesPending()) {
            return true;
        }
        const auto now = SteadyNow();
        if (now >= deadline || source_.Ended()) {
            return false;
        }
        if (source_.Buffered().empty()) {
            source_.Wait(static_cast<int>((deadline - now).count()) + 1, mask);
        }
    }
}

std::optional<Coord> KeyboardInput::TakeCursorReport() {
    const std::optional<Coord> report = cursorReport_;
    cursorReport_.reset();
    return report;
}

bool KeyboardInput::CursorPositionReported(std::uint32_t row, std::uint32_t column) {
    if (!cursorReportAwaited_ || row == 0 || column == 0 || row > 0xFFFF || column > 0xFFFF) {
        return false;
    }
    cursorReportAwaited_ = false;
    cursorReport_ =
        Coord{static_cast<std::uint16_t>(column - 1), static_cast<std::uint16_t>(row - 1)};
    return true;
}

void KeyboardInput::Key(const InputRecord& record) {
    queue_.Push(record);
}

void KeyboardInput::KittyFlagsReported(std::uint32_t) {
    // An answer after the device attributes cannot be to our query.
    if (!attributesAnswered_) {
        kittyAnswered_ = true;
    }
}

void KeyboardInput::DeviceAttributesReported() {
    attributesAnswered_ = true;
    cursorReportAwaited_ = false;
}

}  // namespace conkit::host::terminal
