#include "console/host/terminal/keyboard_input.hpp"

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
}

}  // namespace conkit::host::terminal
