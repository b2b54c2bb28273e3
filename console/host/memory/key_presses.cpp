// Key presses for the memory console, made by the keyboard that decodes a
// terminal's keys, so both agree on every scan code.
#include "conkit/keys.hpp"
#include "conkit/memory_console.hpp"
#include "console/host/decoding/us_keyboard.hpp"

namespace conkit {
namespace {

using host::KeyEventRecord;
using host::terminal::KeyShape;

// The keys without a character that a key code can name besides F1 to F12.
constexpr KeyShape kNamedKeys[] = {
    host::terminal::kUpKey,     host::terminal::kDownKey,     host::terminal::kLeftKey,
    host::terminal::kRightKey,  host::terminal::kHomeKey,     host::terminal::kEndKey,
    host::terminal::kPageUpKey, host::terminal::kPageDownKey, host::terminal::kInsertKey,
    host::terminal::kDeleteKey,
};

// The key code PollKey reports for press.
std::uint32_t KeyCodeOf(const KeyEventRecord& press) {
    const TranslatedKey key =
        TranslateExtendedKey(static_cast<std::uint8_t>(press.virtualScan & 0xFFU), press.character,
                             press.virtualKey, press.controlState);
    return std::uint32_t{key.scan} * 256U + key.character;
}

}  // namespace

KeyEventRecord MakeCharacterPress(char character) {
    const auto byte = static_cast<std::uint8_t>(character);
    if (byte >= 0x80) {
        return host::terminal::KeyDown({host::terminal::kPacketVirtualKey, 0, byte}, 0);
    }
    return host::terminal::KeyForByte(byte);
}

KeyEventRecord MakeKeyPress(std::uint32_t keyCode) {
    const KeyEventRecord typed = MakeCharacterPress(static_cast<char>(keyCode & 0xFFU));
    if (KeyCodeOf(typed) == keyCode) {
        return typed;
    }
    for (const KeyShape& shape : kNamedKeys) {
        const KeyEventRecord press = host::terminal::KeyDown(shape, 0);
        if (KeyCodeOf(press) == keyCode) {
            return press;
        }
    }
    for (std::uint32_t number = 1; number <= 12; ++number) {
        const KeyEventRecord press =
            host::terminal::KeyDown(host::terminal::FunctionKey(number), 0);
        if (KeyCodeOf(press) == keyCode) {
            return press;
        }
    }
    return {};
}

}  // namespace conkit
