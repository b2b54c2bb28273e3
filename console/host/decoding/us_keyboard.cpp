#include "console/host/decoding/us_keyboard.hpp"

#include <string_view>

#include "console/host/decoding/code_page_437.hpp"

namespace conkit::host::decoding {
namespace {

// Scan codes of the letters "a" to "z".
constexpr std::uint8_t kLetterScans[26] = {
    0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,
    0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C,
};

struct PunctuationKey {
    char unshifted;
    char shifted;
    std::uint16_t virtualKey;
    std::uint8_t scan;
};

constexpr PunctuationKey kPunctuation[] = {
    {'`', '~', 0xC0, 0x29}, {'-', '_', 0xBD, 0x0C},  {'=', '+', 0xBB, 0x0D},
    {'[', '{', 0xDB, 0x1A}, {']', '}', 0xDD, 0x1B},  {'\\', '|', 0xDC, 0x2B},
    {';', ':', 0xBA, 0x27}, {'\'', '"', 0xDE, 0x28}, {',', '<', 0xBC, 0x33},
    {'.', '>', 0xBE, 0x34}, {'/', '?', 0xBF, 0x35},  {' ', ' ', 0x20, 0x39},
};

// The shifted characters of the digit keys "0" to "9".
constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

struct KeyAndShift {
    std::uint8_t unshifted;
    bool shift;
};

// Which key types character (printable ASCII) and whether it needs Shift.
KeyAndShift UnshiftedKey(std::uint8_t character) {
    if (character >= 'A' && character <= 'Z') {
        return {static_cast<std::uint8_t>(character - 'A' + 'a'), true};
    }
    const std::size_t digit = kShiftedDigits.find(static_cast<char>(character));
    if (digit != std::string_view::npos) {
        return {static_cast<std::uint8_t>('0' + digit), true};
    }
    for (const PunctuationKey& key : kPunctuation) {
        if (key.shifted == static_cast<char>(character) && key.shifted != key.unshifted) {
            return {static_cast<std::uint8_t>(key.unshifted), true};
        }
    }
    return {character, false};
}

// The key whose unshifted character is unshifted; an empty shape when the
// character is no key's.
KeyShape KeyOf(std::uint8_t unshifted) {
    if (unshifted >= 'a' && unshifted <= 'z') {
        const auto index = static_cast<std::size_t>(unshifted - 'a');
        return {static_cast<std::uint16_t>('A' + index), kLetterScans[index], unshifted};
    }
    if (unshifted >= '0' && unshifted <= '9') {
        const std::uint8_t scan =
            unshifted == '0' ? 0x0B : static_cast<std::uint8_t>(unshifted - '1' + 2);
        return {unshifted, scan, unshifted};
    }
    for (const PunctuationKey& key : kPunctuation) {
        if (key.unshifted == static_cast<char>(unshifted)) {
            return {key.virtualKey, key.scan, unshifted};
        }
    }
    return {};
}

// The key and modifiers of a control code 0x00-0x1F other than Backspace,
// Tab, Enter and Escape.
KeyEventRecord ControlKey(std::uint8_t code) {
    std::uint8_t unshifted = 0;
    if (code == 0x00) {
        unshifted = ' ';
    } else if (code <= 0x1A) {
        unshifted = static_cast<std::uint8_t>('a' + code - 1);
    } else {
        constexpr std::string_view kHighControls = "[\\]6-";
        unshifted = static_cast<std::uint8_t>(kHighControls[code - 0x1BU]);
    }
    KeyShape shape = KeyOf(unshifted);
    shape.character = code;
    return KeyDown(shape, kCtrlBit);
}

}  // namespace

KeyShape FunctionKey(std::uint32_t number) {
    if (number >= 1 && number <= 10) {
        return {static_cast<std::uint16_t>(0x70 + number - 1),
                static_cast<std::uint8_t>(0x3B + number - 1), 0};
    }
    if (number == 11) {
        return {0x7A, 0x57, 0};
    }
    if (number == 12) {
        return {0x7B, 0x58, 0};
    }
    return {};
}

KeyShape KeypadKey(char character) {
    // Scan codes of the keypad digits "0" to "9".
    constexpr std::uint8_t kDigitScans[10] = {0x52, 0x4F, 0x50, 0x51, 0x4B,
                                              0x4C, 0x4D, 0x47, 0x48, 0x49};
    const auto byte = static_cast<std::uint8_t>(character);
    if (character >= '0' && character <= '9') {
        const auto digit = static_cast<std::size_t>(character - '0');
        return {static_cast<std::uint16_t>(0x60 + digit), kDigitScans[digit], byte};
    }
    switch (character) {
        case '.':
            return {0x6E, 0x53, byte};
        case '/':
            return {0x6F, 0x35, byte, true};
        case '*':
            return {0x6A, 0x37, byte};
        case '-':
            return {0x6D, 0x4A, byte};
        case '+':
            return {0x6B, 0x4E, byte};
        case '\r':
            return {0x0D, 0x1C, byte, true};
        default:
            return {};
    }
}

KeyEventRecord KeyDown(const KeyShape& shape, std::uint32_t controlState) {
    KeyEventRecord record;
    record.virtualKey = shape.virtualKey;
    record.virtualScan = shape.scan;
    record.character = shape.character;
    record.controlState = controlState | (shape.enhanced ? kEnhancedKey : 0U);
    return record;
}

KeyEventRecord KeyForByte(std::uint8_t byte) {
    switch (byte) {
        case 0x08:
        case 0x7F:
            return KeyDown(kBackspaceKey, 0);
        case 0x09:
            return KeyDown(kTabKey, 0);
        case 0x0D:
            return KeyDown(kEnterKey, 0);
        case 0x1B:
            return KeyDown(kEscapeKey, 0);
        default:
            break;
    }
    if (byte < 0x20) {
        return ControlKey(byte);
    }
    if (byte >= 0x80) {
        return {};
    }
    const KeyAndShift key = UnshiftedKey(byte);
    KeyShape shape = KeyOf(key.unshifted);
    shape.character = byte;
    return KeyDown(shape, key.shift ? kShiftBit : 0U);
}

KeyEventRecord KeyForCharacter(char32_t code) {
    return KeyDown({kPacketVirtualKey, 0, UnicodeToCp437(code)}, 0);
}

std::uint8_t ShiftedCharacter(std::uint8_t unshifted) {
    if (unshifted >= 'a' && unshifted <= 'z') {
        return static_cast<std::uint8_t>(unshifted - 'a' + 'A');
    }
    if (unshifted >= '0' && unshifted <= '9') {
        return static_cast<std::uint8_t>(kShiftedDigits[unshifted - '0']);
    }
    for (const PunctuationKey& key : kPunctuation) {
        if (key.unshifted == static_cast<char>(unshifted)) {
            return static_cast<std::uint8_t>(key.shifted);
        }
    }
    return unshifted;
}

std::uint8_t ControlCharacter(std::uint8_t unshifted) {
    if ((unshifted >= 'a' && unshifted <= 'z') || (unshifted >= 'A' && unshifted <= 'Z')) {
        return static_cast<std::uint8_t>(unshifted & 0x1FU);
    }
    switch (unshifted) {
        case '[':
            return 0x1B;
        case '\\':
            return 0x1C;
        case ']':
            return 0x1D;
        case '6':
            return 0x1E;
        case '-':
            return 0x1F;
        case ' ':
            return ' ';
        default:
            return 0;
    }
}

}  // namespace conkit::host::decoding
