#include "console/host/win32/wine_corrections.hpp"

#include <algorithm>

#include "console/host/screen_buffer.hpp"

namespace conkit::host::win32 {
namespace {

constexpr std::uint16_t kVirtualKeyEscape = 0x1B;
constexpr std::uint8_t kEscapeCharacter = 0x1B;
// The key Windows gives characters typed without a key of their own.
constexpr std::uint16_t kVirtualKeyPacket = 0xE7;

}  // namespace

InputRecord MendInputRecord(const InputRecord& record) {
    InputRecord mended = record;
    if (mended.eventType != kKeyEvent) {
        return mended;
    }
    if (mended.key.virtualKey == kVirtualKeyEscape && mended.key.character == 0) {
        mended.key.character = kEscapeCharacter;
    }
    if (mended.key.virtualKey == 0 && mended.key.character != 0) {
        mended.key.virtualKey = kVirtualKeyPacket;
    }
    return mended;
}

bool CursorWalk::Put(std::uint8_t character) {
    switch (character) {
        case '\r':
            cursor_.column = 0;
            return false;
        case '\n':
            LineFeed();
            return false;
        case '\b':
            if (cursor_.column > 0) {
                --cursor_.column;
            }
            return false;
        case '\t': {
            // Blanks up to the tab stop, the last of them written like any
            // character.
            const auto stop =
                static_cast<std::uint16_t>((cursor_.column / kTabWidth + 1) * kTabWidth);
            const int last = std::min<int>(stop, size_.column) - 1;
            cursor_.column = static_cast<std::uint16_t>(std::max<int>(cursor_.column, last));
            return Advance();
        }
        case '\a':
            return false;
        default:
            return Advance();
    }
}

bool CursorWalk::Advance() {
    if (++cursor_.column < size_.column) {
        return false;
    }
    LineFeed();
    return true;
}

void CursorWalk::LineFeed() {
    cursor_.column = 0;
    if (cursor_.row + 1 < size_.row) {
        ++cursor_.row;
    } else {
        ++scrolls_;
    }
}

std::uint32_t PieceUpToWrap(CursorWalk& walk, const char* chars, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
        if (walk.Put(static_cast<std::uint8_t>(chars[i]))) {
            return i + 1;
        }
    }
    return count;
}

}  // namespace conkit::host::win32
