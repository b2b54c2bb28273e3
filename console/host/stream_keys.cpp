#include "console/host/stream_keys.hpp"

namespace conkit::host {
namespace {

// As the terminal host: enough rounds to drain what was typed or pasted
// ahead, few enough that a never-ending stream cannot hold a flush for long.
constexpr int kDiscardRounds = 32;

}  // namespace

void StreamKeys::DecodeReady(std::chrono::milliseconds now) {
    const auto bytes = source_.FillReady();
    decoder_.Feed(bytes.data(), bytes.size(), now, *this);
    source_.Consume(bytes.size());
    if (source_.Ended()) {
        // No more bytes can complete a sequence: a trailing ESC is the key.
        decoder_.Expire(now + terminal::KeyDecoder::kEscapeTimeout, *this);
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

}  // namespace conkit::host
