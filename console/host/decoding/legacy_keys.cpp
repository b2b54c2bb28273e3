#include "console/host/decoding/legacy_keys.hpp"

namespace conkit::host::decoding {

KeyShape CsiFinalKey(std::uint8_t final) {
    switch (final) {
        case 'A':
            return kUpKey;
        case 'B':
            return kDownKey;
        case 'C':
            return kRightKey;
        case 'D':
            return kLeftKey;
        case 'H':
            return kHomeKey;
        case 'F':
            return kEndKey;
        case 'E':
            return kClearKey;
        case 'P':
        case 'Q':
        case 'R':
        case 'S':
            return FunctionKey(final - 'P' + 1U);
        default:
            return {};
    }
}

KeyShape TildeKey(std::uint32_t number) {
    switch (number) {
        case 1:
        case 7:
            return kHomeKey;
        case 2:
            return kInsertKey;
        case 3:
            return kDeleteKey;
        case 4:
        case 8:
            return kEndKey;
        case 5:
            return kPageUpKey;
        case 6:
            return kPageDownKey;
        default:
            break;
    }
    if (number >= 11 && number <= 15) {
        return FunctionKey(number - 10);
    }
    if (number >= 17 && number <= 21) {
        return FunctionKey(number - 11);
    }
    if (number == 23 || number == 24) {
        return FunctionKey(number - 12);
    }
    return {};
}

KeyShape Ss3Key(std::uint8_t final) {
    if (final >= 'p' && final <= 'y') {
        return KeypadKey(static_cast<char>('0' + final - 'p'));
    }
    switch (final) {
        case 'j':
            return KeypadKey('*');
        case 'k':
            return KeypadKey('+');
        case 'm':
            return KeypadKey('-');
        case 'n':
            return KeypadKey('.');
        case 'o':
            return KeypadKey('/');
        case 'M':
            return KeypadKey('\r');
        default:
            return CsiFinalKey(final);
    }
}

KeyShape LinuxConsoleKey(std::uint8_t letter) {
    if (letter >= 'A' && letter <= 'E') {
        return FunctionKey(letter - 'A' + 1U);
    }
    return {};
}

}  // namespace conkit::host::decoding
