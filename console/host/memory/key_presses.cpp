// Key presses for the memory console, made by the keyboard that decodes a
// terminal's keys, so both agree on every scan code.
#include "conkit/keys.hpp"
#include "conkit/memory_console.hpp"
#include "console/host/decoding/us_keyboard.hpp"
#include "console/key_code.hpp"

namespace conkit {
namespace {

using host::KeyEventRecord;
using host::decoding::KeyShape;

// The keys without a character that a key code can name besides F1 to F12.
constexpr KeyShape kNamedKeys[] = {
    host::decoding::kUpKey,     host::decoding::kDownKey,     host::decoding::kLeftKey,
    host::decoding::kRightKey,  host::decoding::kHomeKey,     host::decoding::kEndKey,
    host::decoding::kPageUpKey, host::decoding::kPageDownKey, host::decoding::kInsertKey,
    host::decoding::kDeleteKey,
};

}  // namespace

KeyEventRecord MakeCharacterPress(char character) {
    const auto byte = static_cast<std::uint8_t>(character);
    if (byte >= 0x80) {
        return host::decoding::KeyDown({host::decoding::kPacketVirtualKey, 0, byte}, 0);
    }
    return host::decoding::KeyForByte(byte);
}

KeyEventRecord MakeKeyPress(std::uint32_t keyCode) {
    const KeyEventRecord typed = MakeCharacterPress(static_cast<char>(keyCode & 0xFFU));
    if (KeyCodeOf(typed) == keyCode) {
        return typed;
    }
    for (const KeyShape& shape : kNamedKeys) {
        const KeyEventRecord press = host::decoding::KeyDown(shape, 0);
        if (KeyCodeOf(press) == keyCode) {
            return press;
        }
    }
    for (std::uint32_t number = 1; number <= 12; ++number) {
        const KeyEventRecord press =
            host::decoding::KeyDown(host::decoding::FunctionKey(number), 0);
        if (KeyCodeOf(press) == keyCode) {
            return press;
        }
    }
    return {};
}

}  // namespace conkit
