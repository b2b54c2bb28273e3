#include "console/host/win32/wine_corrections.hpp"

namespace conkit::host {
namespace {
constexpr std::uint16_t kVirtualKeyEscape = 0x1B;
constexpr std::uint8_t kEscapeCharacter = 0x1B;
}  // namespace

InputRecord MendInputRecord(const InputRecord& record) {
    InputRecord mended = record;
    if (mended.eventType == kKeyEvent && mended.key.virtualKey == kVirtualKeyEscape &&
        mended.key.character == 0) {
        mended.key.character = kEscapeCharacter;
    }
    return mended;
}

}  // namespace conkit::host
