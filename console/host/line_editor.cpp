#include "console/host/line_editor.hpp"

#include <algorithm>
#include <cstring>

namespace conkit::host {
namespace {

constexpr std::uint16_t kVirtualBack = 0x08;
constexpr std::uint16_t kVirtualReturn = 0x0D;
constexpr std::uint16_t kVirtualEscape = 0x1B;
constexpr std::uint16_t kVirtualEnd = 0x23;
constexpr std::uint16_t kVirtualHome = 0x24;
constexpr std::uint16_t kVirtualLeft = 0x25;
constexpr std::uint16_t kVirtualUp = 0x26;
constexpr std::uint16_t kVirtualRight = 0x27;
constexpr std::uint16_t kVirtualDown = 0x28;
constexpr std::uint16_t kVirtualDelete = 0x2E;

constexpr std::uint8_t kEscapeChar = 0x1B;
constexpr std::uint8_t kCtrlUChar = 0x15;

// Echo of one key, gathered so that the target gets it in as few calls as
// possible.
class EchoBuffer {
  public:
    explicit EchoBuffer(EchoTarget* target) : target_(target) {}
    ~EchoBuffer() { Flush(); }
    EchoBuffer(const EchoBuffer&) = delete;
    EchoBuffer& operator=(const EchoBuffer&) = delete;

    void Put(char ch) {
        if (size_ == bytes_.size()) {
            Flush();
        }
        bytes_[size_++] = ch;
    }

    void Repeat(char ch, std::uint32_t count) {
        for (std::uint32_t i = 0; i < count; ++i) {
            Put(ch);
        }
    }

  private:
    void Flush() {
        if (size_ > 0) {
            target_->Echo(bytes_.data(), size_);
            size_ = 0;
        }
    }

    EchoTarget* target_;
    std::array<char, 256> bytes_{};
    std::uint32_t size_ = 0;
};

// A tab takes one cell like any character, so it is shown as a blank: the
// console would otherwise widen it to the next tab stop.
char Shown(char ch) {
    return ch == '\t' ? ' ' : ch;
}

}  // namespace

bool LineEditor::Feed(const InputRecord& record, EchoTarget* echo) {
    if (HasDelivery() || record.eventType != kKeyEvent || (record.key.keyDown & 1U) == 0) {
        return false;
    }
    if (!begun_) {
        Begin(echo);
    }
    const KeyEventRecord& key = record.key;
    const std::uint8_t character = key.character;
    if (key.virtualKey == kVirtualReturn || character == '\r' || character == '\n') {
        Finish(echo);
        return true;
    }
    if (key.virtualKey == kVirtualBack || character == '\b') {
        if (cursor_ > 0) {
            Remove(cursor_ - 1, echo);
        }
    } else if (key.virtualKey == kVirtualEscape || character == kEscapeChar ||
               character == kCtrlUChar) {
        Replace({}, echo);
    } else if (character == 0) {
        EditingKey(key.virtualKey, echo);
    } else if (character >= 0x20 || character == '\t') {
        Insert(character, echo);
    }
    return false;
}

void LineEditor::Begin(EchoTarget* echo) {
    begun_ = true;
    room_ = limit_;
    viewFrom_ = shownCells_ = screenCursor_ = 0;
    recalled_ = history_.Count();
    if (echo == nullptr) {
        return;
    }
    const EchoLayout layout = echo->Layout();
    if (layout.width < 2 || layout.column >= layout.width) {
        return;
    }
    // The last cell of the row stays free: writing it would wrap the cursor
    // to the next row, where BS could not bring it back.
    room_ = layout.width - 1 - layout.column;
    if (room_ < kMinimumRoom && room_ < layout.width - 1) {
        echo->Echo("\r\n", 2);
        room_ = layout.width - 1;
    }
}

void LineEditor::EditingKey(std::uint16_t virtualKey, EchoTarget* echo) {
    switch (virtualKey) {
        case kVirtualLeft:
            MoveCursor(cursor_ > 0 ? cursor_ - 1 : 0, echo);
            break;
        case kVirtualRight:
            MoveCursor(std::min(cursor_ + 1, length_), echo);
            break;
        case kVirtualHome:
            MoveCursor(0, echo);
            break;
        case kVirtualEnd:
            MoveCursor(length_, echo);
            break;
        case kVirtualDelete:
            if (cursor_ < length_) {
                Remove(cursor_, echo);
            }
            break;
        case kVirtualUp:
            if (recalled_ > 0) {
                --recalled_;
                Replace(history_.Entry(recalled_), echo);
            }
            break;
        case kVirtualDown:
            if (recalled_ < history_.Count()) {
                ++recalled_;
                Replace(history_.Entry(recalled_), echo);
            }
            break;
        default:
            break;
    }
}

void LineEditor::SetReadSize(std::uint32_t count) {
    if (!begun_) {
        limit_ = std::min<std::uint32_t>(std::max(count, kCapacity),
                                         static_cast<std::uint32_t>(line_.size()));
    }
}

void LineEditor::Insert(std::uint8_t character, EchoTarget* echo) {
    // Two places stay free for the CR LF that ends the line.
    if (length_ + 2 >= limit_) {
        if (echo != nullptr) {
            echo->Echo("\a", 1);
        }
        return;
    }
    std::memmove(&line_[cursor_ + 1], &line_[cursor_], length_ - cursor_);
    line_[cursor_] = static_cast<char>(character);
    ++length_;
    ++cursor_;
    Show(cursor_ - 1, echo);
}

void LineEditor::Remove(std::uint32_t index, EchoTarget* echo) {
    std::memmove(&line_[index], &line_[index + 1], length_ - index - 1);
    --length_;
    cursor_ = index;
    Show(index, echo);
}

void LineEditor::Replace(std::string_view text, EchoTarget* echo) {
    const auto length = std::min<std::size_t>(text.size(), limit_ - 2);
    std::copy_n(text.begin(), length, line_.begin());
    length_ = static_cast<std::uint32_t>(length);
    cursor_ = length_;
    Show(0, echo);
}

void LineEditor::MoveCursor(std::uint32_t index, EchoTarget* echo) {
    if (index != cursor_) {
        cursor_ = index;
        Show(length_ + 1, echo);
    }
}

void LineEditor::Show(std::uint32_t changedFrom, EchoTarget* echo) {
    // Keep the cursor within the room, and use free room on the right to
    // show more of the line on the left.
    const std::uint32_t oldViewFrom = viewFrom_;
    viewFrom_ = std::min(viewFrom_, cursor_);
    viewFrom_ = std::max(viewFrom_, cursor_ > room_ ? cursor_ - room_ : 0);
    viewFrom_ = std::min(viewFrom_, length_ > room_ ? length_ - room_ : 0);
    if (echo == nullptr) {
        return;
    }
    if (viewFrom_ != oldViewFrom) {
        changedFrom = viewFrom_;
    }

    EchoBuffer out(echo);
    // Moving right rewrites the characters passed over; only cells that
    // already show the right characters are passed over this way.
    const auto moveTo = [&](std::uint32_t cell) {
        if (screenCursor_ > cell) {
            out.Repeat('\b', screenCursor_ - cell);
        }
        for (; screenCursor_ < cell; ++screenCursor_) {
            out.Put(Shown(line_[viewFrom_ + screenCursor_]));
        }
        screenCursor_ = cell;
    };

    if (changedFrom <= length_) {
        const std::uint32_t newShown = std::min(length_ - viewFrom_, room_);
        moveTo(std::max(changedFrom, viewFrom_) - viewFrom_);
        for (; screenCursor_ < newShown; ++screenCursor_) {
            out.Put(Shown(line_[viewFrom_ + screenCursor_]));
        }
        if (shownCells_ > newShown) {
            out.Repeat(' ', shownCells_ - newShown);
            screenCursor_ = shownCells_;
        }
        shownCells_ = newShown;
    }
    moveTo(cursor_ - viewFrom_);
}

void LineEditor::Finish(EchoTarget* echo) {
    history_.Add(Line());
    line_[length_++] = '\r';
    line_[length_++] = '\n';
    if (echo != nullptr) {
        echo->Echo("\r\n", 2);
    }
    deliverFrom_ = 0;
    deliverEnd_ = length_;
    length_ = 0;
    cursor_ = 0;
    begun_ = false;
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
