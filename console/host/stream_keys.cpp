#include "console/host/stream_keys.hpp"

namespace conkit::host {
namespace {

// Enough rounds to drain what a fast typist or a paste left, few enough
// that a never-ending stream cannot hold a flush for long.
constexpr int kDiscardRounds = 32;

}  // namespace

std::chrono::milliseconds SteadyNow() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

void StreamKeys::DecodeReady(std::chrono::milliseconds now) {
    const auto bytes = source_.FillReady();
    decoder_.Feed(bytes.data(), bytes.size(), now, *this);
    source_.Consume(bytes.size());
    if (source_.Ended()) {
        // No more bytes can complete a sequence: a trailing ESC is the key.
        decoder_.Expire(now + decoding::KeyDecoder::kEscapeTimeout, *this);
    }
}

void StreamKeys::Pump(std::chrono::milliseconds now) {
    if (!queue_.Empty()) {
        return;
    }
    decoder_.Expire(now, *this);
    if (queue_.Empty()) {
        DecodeReady(now);
    }
}

void StreamKeys::Discard(std::chrono::milliseconds now) {
    queue_.Flush();
    for (int round = 0; round < kDiscardRounds && !source_.FillReady().empty(); ++round) {
        DecodeReady(now);
        queue_.Flush();
    }
}

void StreamKeys::Key(const InputRecord& record) {
    queue_.Push(record);
}

void StreamKeys::KittyFlagsReported(std::uint32_t flags) {
    if (replies_ != nullptr) {
        replies_->KittyFlagsReported(flags);
    }
}

void StreamKeys::DeviceAttributesReported() {
    if (replies_ != nullptr) {
        replies_->DeviceAttributesReported();
    }
}

bool StreamKeys::CursorPositionReported(std::uint32_t row, std::uint32_t column) {
    return replies_ != nullptr && replies_->CursorPositionReported(row, column);
}

void StreamKeys::ModeReported(std::uint32_t mode, std::uint32_t state) {
    if (replies_ != nullptr) {
        replies_->ModeReported(mode, state);
    }
}

}  // namespace conkit::host
