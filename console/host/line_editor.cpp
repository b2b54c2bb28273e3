#include "console/host/line_editor.hpp"

#include <algorithm>
#include <cstring>

namespace conkit::host {
namespace {

constexpr std::uint16_t kVirtualBack = 0x08;
constexpr std::uint16_t kVirtualReturn = 0x0D;

void EchoBytes(EchoTarget* echo, const char* chars, std::uint32_t count) {
    if (echo != nullptr) {
        echo->Echo(chars, count);
    }
}

}  // namespace

bool LineEditor::Feed(const InputRecord& record, EchoTarget* echo) {
    if (HasDelivery() || record.eventType != kKeyEvent || (record.key.keyDown & 1U) == 0) {
        return false;
    }
    const KeyEventRecord& key = record.key;
    if (key.virtualKey == kVirtualReturn || key.character == '\r') {
        Finish(echo);
        return true;
    }
    if (key.virtualKey == kVirtualBack || key.character == '\b') {
        Backspace(echo);
        return false;
    }
    if (key.character >= 0x20 || key.character == '\t') {
        Insert(key.character, echo);
    }
    return false;
}

void LineEditor::Insert(std::uint8_t character, EchoTarget* echo) {
    // Two places stay free for the CR LF that ends the line.
    if (length_ + 2 >= kCapacity) {
        return;
    }
    line_[length_++] = static_cast<char>(character);
    EchoBytes(echo, &line_[length_ - 1], 1);
}

void LineEditor::Backspace(EchoTarget* echo) {
    if (length_ == 0) {
        return;
    }
    --length_;
    EchoBytes(echo, "\b \b", 3);
}

void LineEditor::Finish(EchoTarget* echo) {
    line_[length_++] = '\r';
    line_[length_++] = '\n';
    EchoBytes(echo, "\r\n", 2);
    deliverFrom_ = 0;
    deliverEnd_ = length_;
    length_ = 0;
}

std::uint32_t LineEditor::Deliver(char* buffer, std::uint32_t count) {
    const std::uint32_t n = std::min(count, deliverEnd_ - deliverFrom_);
    std::memcpy(buffer, line_.data() + deliverFrom_, n);
    deliverFrom_ += n;
    if (deliverFrom_ == deliverEnd_) {
        deliverFrom_ = deliverEnd_ = 0;
    }
    return n;
}

}  // namespace conkit::host
