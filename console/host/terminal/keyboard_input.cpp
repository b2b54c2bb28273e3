#include "console/host/terminal/keyboard_input.hpp"

#include <csignal>

namespace conkit::host::terminal {

std::optional<std::chrono::milliseconds> KeyboardInput::TimeToDeadline() const {
    const auto deadline = keys_.Deadline();
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
        keys_.DecodeReady(SteadyNow());
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

void KeyboardInput::ModeReported(std::uint32_t mode, std::uint32_t state) {
    // Set or reset (1, 2) means the terminal can switch it.
    constexpr std::uint32_t kSynchronizedOutput = 2026;
    if (mode == kSynchronizedOutput && (state == 1 || state == 2)) {
        synchronizedOutput_ = true;
    }
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
