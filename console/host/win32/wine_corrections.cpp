#include "console/host/win32/wine_corrections.hpp"

#include <algorithm>

#include "console/host/screen_buffer.hpp"

namespace conkit::host {
namespace {

constexpr std::uint16_t kVirtualKeyEscape = 0x1B;
constexpr std::uint8_t kEscapeCharacter = 0x1B;

// The cursor of a screen buffer, moved as ScreenBuffer::Write moves it.
class CursorWalk {
  public:
    CursorWalk(Coord cursor, Coord size) : cursor_(cursor), size_(size) {}

    void Put(std::uint8_t byte) {
        switch (byte) {
            case '\r':
                cursor_.column = 0;
                break;
            case '\n':
                LineFeed();
                break;
            case '\b':
                if (cursor_.column > 0) {
                    --cursor_.column;
                }
                break;
            case '\t': {
                const auto stop =
                    static_cast<std::uint16_t>((cursor_.column / kTabWidth + 1) * kTabWidth);
                cursor_.column = static_cast<std::uint16_t>(
                    std::max<int>(cursor_.column, std::min(stop, size_.column) - 1));
                Advance();
                break;
            }
            case '\a':
                break;
            default:
                Advance();
                break;
        }
    }

    std::uint32_t Scrolls() const { return scrolls_; }

  private:
    void Advance() {
        if (++cursor_.column >= size_.column) {
            LineFeed();
        }
    }

    void LineFeed() {
        cursor_.column = 0;
        if (cursor_.row + 1 < size_.row) {
            ++cursor_.row;
        } else {
            ++scrolls_;
        }
    }

    Coord cursor_;
    Coord size_;
    std::uint32_t scrolls_ = 0;
};

}  // namespace

InputRecord MendInputRecord(const InputRecord& record) {
    InputRecord mended = record;
    if (mended.eventType == kKeyEvent && mended.key.virtualKey == kVirtualKeyEscape &&
        mended.key.character == 0) {
        mended.key.character = kEscapeCharacter;
    }
    return mended;
}

std::uint32_t CountScrolls(Coord cursor, Coord size, const char* chars, std::uint32_t count) {
    if (size.column == 0 || size.row == 0) {
        return 0;
    }
    CursorWalk walk(cursor, size);
    for (std::uint32_t i = 0; i < count; ++i) {
        walk.Put(static_cast<std::uint8_t>(chars[i]));
    }
    return walk.Scrolls();
}

}  // namespace conkit::host
