#include "console/host/decoding/key_decoder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/console/host/decoding/recording_sink.hpp"

namespace conkit::host {

void PrintTo(const KeyEventRecord& key, std::ostream* out) {
    *out << "{down " << key.keyDown << " repeat " << key.repeatCount << " vk 0x" << std::hex
         << key.virtualKey << " scan 0x" << key.virtualScan << " char 0x" << int{key.character}
         << " state 0x" << key.controlState << std::dec << "}";
}

namespace decoding {
namespace {

using namespace std::string_literals;
using std::chrono::milliseconds;
using testing::RecordingSink;

constexpr std::uint32_t kShift = kShiftPressed;
constexpr std::uint32_t kCtrl = kLeftCtrlPressed;
constexpr std::uint32_t kAlt = kLeftAltPressed;
constexpr std::uint32_t kEnh = kEnhancedKey;

KeyEventRecord Down(std::uint16_t virtualKey, std::uint16_t scan, std::uint8_t character,
                    std::uint32_t state = 0) {
    return {1, 1, virtualKey, scan, character, state};
}

KeyEventRecord Up(std::uint16_t virtualKey, std::uint16_t scan, std::uint8_t character,
                  std::uint32_t state = 0) {
    return {0, 1, virtualKey, scan, character, state};
}

std::vector<KeyEventRecord> DecodeWhole(const std::string& bytes) {
    KeyDecoder decoder;
    RecordingSink sink;
    decoder.Feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), milliseconds{0},
                 sink);
    return sink.Keys();
}

// One byte at a time, each within the timeout of the one before.
std::vector<KeyEventRecord> DecodeByteByByte(const std::string& bytes) {
    KeyDecoder decoder;
    RecordingSink sink;
    milliseconds now{0};
    for (const char byte : bytes) {
        const auto value = static_cast<std::uint8_t>(byte);
        decoder.Expire(now, sink);
        decoder.Feed(&value, 1, now, sink);
        now += milliseconds{20};
    }
    return sink.Keys();
}

struct KeyCase {
    const char* name;
    std::string bytes;
    std::vector<KeyEventRecord> keys;
};

void PrintTo(const KeyCase& keyCase, std::ostream* out) {
    *out << keyCase.name;
}

class DecodesKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(DecodesKeys, WholeAndByteByByte) {
    EXPECT_EQ(DecodeWhole(GetParam().bytes), GetParam().keys);
    EXPECT_EQ(DecodeByteByByte(GetParam().bytes), GetParam().keys);
}

std::string CaseName(const ::testing::TestParamInfo<KeyCase>& info) {
    return info.param.name;
}

// A few printable characters in full; PrintableKeysTest below has them all.
INSTANTIATE_TEST_SUITE_P(
    Printable, DecodesKeys,
    ::testing::Values(KeyCase{"LowerA", "a", {Down('A', 0x1E, 'a')}},
                      KeyCase{"UpperA", "A", {Down('A', 0x1E, 'A', kShift)}},
                      KeyCase{"Exclamation", "!", {Down('1', 0x02, '!', kShift)}},
                      KeyCase{"Semicolon", ";", {Down(0xBA, 0x27, ';')}},
                      KeyCase{"Tilde", "~", {Down(0xC0, 0x29, '~', kShift)}},
                      KeyCase{"Quote", "\"", {Down(0xDE, 0x28, '"', kShift)}},
                      KeyCase{"Word",
                              "gO!",
                              {Down('G', 0x22, 'g'), Down('O', 0x18, 'O', kShift),
                               Down('1', 0x02, '!', kShift)}}),
    CaseName);

// The printable characters of a US keyboard by key, a row of keys at a
// time: the row's set-1 scan codes run on from its first; each key's
// character, then the one Shift gives.
struct KeyRow {
    std::uint16_t firstScan;
    std::string plain;
    std::string shifted;
};

const KeyRow kUsRows[] = {{0x02, "1234567890-=", "!@#$%^&*()_+"},
                          {0x10, "qwertyuiop[]", "QWERTYUIOP{}"},
                          {0x1E, "asdfghjkl;'`", "ASDFGHJKL:\"~"},
                          {0x2B, "\\zxcvbnm,./", "|ZXCVBNM<>?"},
                          {0x39, " ", " "}};

// Every printable character is the one press of its key: the key's scan
// code, Shift for the shifted character, the virtual key of the letter or
// digit on it, and a virtual key of its own. After ESC it is the same press
// with Alt; a letter's control byte is the press with Ctrl.
TEST(PrintableKeysTest, EveryCharacterIsThePressOfItsKeyAloneWithAltAndWithCtrl) {
    std::string typed;
    std::vector<std::uint16_t> virtualKeys;
    for (const KeyRow& row : kUsRows) {
        for (std::size_t i = 0; i < row.plain.size(); ++i) {
            const auto scan = static_cast<std::uint16_t>(row.firstScan + i);
            const auto plain = static_cast<unsigned char>(row.plain[i]);
            const std::uint16_t virtualKey = DecodeWhole(row.plain.substr(i, 1)).at(0).virtualKey;
            if (std::isalnum(plain) != 0) {
                EXPECT_EQ(virtualKey, std::toupper(plain));
            }
            EXPECT_EQ(std::count(virtualKeys.begin(), virtualKeys.end(), virtualKey), 0);
            virtualKeys.push_back(virtualKey);
            for (const bool shift : {false, true}) {
                const char c = shift ? row.shifted[i] : row.plain[i];
                if (shift && c == row.plain[i]) {
                    continue;
                }
                typed += c;
                const auto key =
                    Down(virtualKey, scan, static_cast<std::uint8_t>(c), shift ? kShift : 0);
                EXPECT_EQ(DecodeWhole(std::string(1, c)), std::vector{key}) << c;
                // ESC [ and ESC O begin sequences.
                if (c != '[' && c != 'O') {
                    auto alt = key;
                    alt.controlState |= kAlt;
                    EXPECT_EQ(DecodeWhole("\033"s + c), std::vector{alt}) << c;
                }
            }
            // Ctrl+H, I and M are Backspace, Tab and Enter.
            if (std::islower(plain) != 0 &&
                std::string_view("him").find(row.plain[i]) == std::string_view::npos) {
                const auto control = static_cast<std::uint8_t>(plain - 0x60);
                EXPECT_EQ(DecodeWhole(std::string(1, static_cast<char>(control))),
                          std::vector{Down(virtualKey, scan, control, kCtrl)});
            }
        }
    }
    std::sort(typed.begin(), typed.end());
    std::string printable;
    for (char c = ' '; c <= '~'; ++c) {
        printable += c;
    }
    EXPECT_EQ(typed, printable);
}

INSTANTIATE_TEST_SUITE_P(
    ControlBytes, DecodesKeys,
    ::testing::Values(KeyCase{"Enter", "\r", {Down(0x0D, 0x1C, 0x0D)}},
                      KeyCase{"Tab", "\t", {Down(0x09, 0x0F, 0x09)}},
                      KeyCase{"Delete127IsBackspace", "\x7f", {Down(0x08, 0x0E, 0x08)}},
                      KeyCase{"CtrlHIsBackspace", "\x08", {Down(0x08, 0x0E, 0x08)}},
                      KeyCase{"CtrlSpace", "\0"s, {Down(0x20, 0x39, 0x00, kCtrl)}},
                      KeyCase{"CtrlBackslash", "\x1c", {Down(0xDC, 0x2B, 0x1C, kCtrl)}},
                      KeyCase{"CtrlCloseBracket", "\x1d", {Down(0xDD, 0x1B, 0x1D, kCtrl)}},
                      KeyCase{"Ctrl6", "\x1e", {Down('6', 0x07, 0x1E, kCtrl)}},
                      KeyCase{"CtrlMinus", "\x1f", {Down(0xBD, 0x0C, 0x1F, kCtrl)}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    CursorAndEditingKeys, DecodesKeys,
    ::testing::Values(KeyCase{"Up", "\033[A", {Down(0x26, 0x48, 0, kEnh)}},
                      KeyCase{"Down", "\033[B", {Down(0x28, 0x50, 0, kEnh)}},
                      KeyCase{"Right", "\033[C", {Down(0x27, 0x4D, 0, kEnh)}},
                      KeyCase{"Left", "\033[D", {Down(0x25, 0x4B, 0, kEnh)}},
                      KeyCase{"Home", "\033[H", {Down(0x24, 0x47, 0, kEnh)}},
                      KeyCase{"End", "\033[F", {Down(0x23, 0x4F, 0, kEnh)}},
                      KeyCase{"ApplicationUp", "\033OA", {Down(0x26, 0x48, 0, kEnh)}},
                      KeyCase{"ApplicationLeft", "\033OD", {Down(0x25, 0x4B, 0, kEnh)}},
                      KeyCase{"ApplicationHome", "\033OH", {Down(0x24, 0x47, 0, kEnh)}},
                      KeyCase{"ApplicationEnd", "\033OF", {Down(0x23, 0x4F, 0, kEnh)}},
                      KeyCase{"HomeTilde1", "\033[1~", {Down(0x24, 0x47, 0, kEnh)}},
                      KeyCase{"HomeTilde7", "\033[7~", {Down(0x24, 0x47, 0, kEnh)}},
                      KeyCase{"Insert", "\033[2~", {Down(0x2D, 0x52, 0, kEnh)}},
                      KeyCase{"Delete", "\033[3~", {Down(0x2E, 0x53, 0, kEnh)}},
                      KeyCase{"EndTilde4", "\033[4~", {Down(0x23, 0x4F, 0, kEnh)}},
                      KeyCase{"EndTilde8", "\033[8~", {Down(0x23, 0x4F, 0, kEnh)}},
                      KeyCase{"PageUp", "\033[5~", {Down(0x21, 0x49, 0, kEnh)}},
                      KeyCase{"PageDown", "\033[6~", {Down(0x22, 0x51, 0, kEnh)}},
                      KeyCase{"KeypadMiddle", "\033[E", {Down(0x0C, 0x4C, 0)}},
                      KeyCase{"ShiftTab", "\033[Z", {Down(0x09, 0x0F, 0x09, kShift)}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    FunctionKeys, DecodesKeys,
    ::testing::Values(KeyCase{"F1Ss3", "\033OP", {Down(0x70, 0x3B, 0)}},
                      KeyCase{"F2Ss3", "\033OQ", {Down(0x71, 0x3C, 0)}},
                      KeyCase{"F3Ss3", "\033OR", {Down(0x72, 0x3D, 0)}},
                      KeyCase{"F4Ss3", "\033OS", {Down(0x73, 0x3E, 0)}},
                      KeyCase{"F1Tilde", "\033[11~", {Down(0x70, 0x3B, 0)}},
                      KeyCase{"F4Tilde", "\033[14~", {Down(0x73, 0x3E, 0)}},
                      KeyCase{"F5", "\033[15~", {Down(0x74, 0x3F, 0)}},
                      KeyCase{"F6", "\033[17~", {Down(0x75, 0x40, 0)}},
                      KeyCase{"F10", "\033[21~", {Down(0x79, 0x44, 0)}},
                      KeyCase{"F11", "\033[23~", {Down(0x7A, 0x57, 0)}},
                      KeyCase{"F12", "\033[24~", {Down(0x7B, 0x58, 0)}},
                      KeyCase{"F1LinuxConsole", "\033[[A", {Down(0x70, 0x3B, 0)}},
                      KeyCase{"F5LinuxConsole", "\033[[E", {Down(0x74, 0x3F, 0)}},
                      KeyCase{"F1CsiPFromAKittyTerminal", "\033[?0u\033[P", {Down(0x70, 0x3B, 0)}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    KeypadApplicationMode, DecodesKeys,
    ::testing::Values(KeyCase{"Keypad0", "\033Op", {Down(0x60, 0x52, '0')}},
                      KeyCase{"Keypad5", "\033Ou", {Down(0x65, 0x4C, '5')}},
                      KeyCase{"Keypad9", "\033Oy", {Down(0x69, 0x49, '9')}},
                      KeyCase{"KeypadEnter", "\033OM", {Down(0x0D, 0x1C, 0x0D, kEnh)}},
                      KeyCase{"KeypadMultiply", "\033Oj", {Down(0x6A, 0x37, '*')}},
                      KeyCase{"KeypadAdd", "\033Ok", {Down(0x6B, 0x4E, '+')}},
                      KeyCase{"KeypadSubtract", "\033Om", {Down(0x6D, 0x4A, '-')}},
                      KeyCase{"KeypadDecimal", "\033On", {Down(0x6E, 0x53, '.')}},
                      KeyCase{"KeypadDivide", "\033Oo", {Down(0x6F, 0x35, '/', kEnh)}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    ModifierParameters, DecodesKeys,
    ::testing::Values(
        KeyCase{"ShiftUp", "\033[1;2A", {Down(0x26, 0x48, 0, kShift | kEnh)}},
        KeyCase{"AltRight", "\033[1;3C", {Down(0x27, 0x4D, 0, kAlt | kEnh)}},
        KeyCase{"CtrlUp", "\033[1;5A", {Down(0x26, 0x48, 0, kCtrl | kEnh)}},
        KeyCase{
            "CtrlAltShiftDown", "\033[1;8B", {Down(0x28, 0x50, 0, kShift | kAlt | kCtrl | kEnh)}},
        KeyCase{"CtrlHome", "\033[1;5H", {Down(0x24, 0x47, 0, kCtrl | kEnh)}},
        KeyCase{"CtrlPageUp", "\033[5;5~", {Down(0x21, 0x49, 0, kCtrl | kEnh)}},
        KeyCase{"ShiftDelete", "\033[3;2~", {Down(0x2E, 0x53, 0, kShift | kEnh)}},
        KeyCase{"ShiftF1Csi", "\033[1;2P", {Down(0x70, 0x3B, 0, kShift)}},
        KeyCase{"CtrlF3Csi", "\033[1;5R", {Down(0x72, 0x3D, 0, kCtrl)}},
        KeyCase{"AltF5", "\033[15;3~", {Down(0x74, 0x3F, 0, kAlt)}},
        KeyCase{"CtrlF12", "\033[24;5~", {Down(0x7B, 0x58, 0, kCtrl)}},
        KeyCase{"ShiftF2Ss3Bare", "\033O2Q", {Down(0x71, 0x3C, 0, kShift)}},
        KeyCase{"CtrlF4Ss3", "\033O1;5S", {Down(0x73, 0x3E, 0, kCtrl)}},
        KeyCase{"CtrlUpSs3", "\033O5A", {Down(0x26, 0x48, 0, kCtrl | kEnh)}},
        KeyCase{"NumLockBit", "\033[1;129A", {Down(0x26, 0x48, 0, kNumLockOn | kEnh)}},
        KeyCase{"ModifyOtherKeysCtrlA", "\033[27;5;97~", {Down('A', 0x1E, 0x01, kCtrl)}},
        KeyCase{"ModifyOtherKeysShiftEnter", "\033[27;2;13~", {Down(0x0D, 0x1C, 0x0D, kShift)}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    AltPrefix, DecodesKeys,
    ::testing::Values(
        KeyCase{"AltEnter", "\033\r", {Down(0x0D, 0x1C, 0x0D, kAlt)}},
        KeyCase{"AltBackspace", "\033\x7f", {Down(0x08, 0x0E, 0x08, kAlt)}},
        KeyCase{"CtrlAltA", "\033\x01", {Down('A', 0x1E, 0x01, kAlt | kCtrl)}},
        KeyCase{"AltNonAscii", "\033\xc3\xa9", {Down(0xE7, 0, 0x82, kAlt)}},
        KeyCase{"AltUpAsEscapeBeforeTheSequence", "\033\033[A", {Down(0x26, 0x48, 0, kAlt | kEnh)}},
        KeyCase{"AltCtrlHomeRxvt", "\033\033[7^", {Down(0x24, 0x47, 0, kAlt | kCtrl | kEnh)}},
        KeyCase{"AltF1Ss3", "\033\033OP", {Down(0x70, 0x3B, 0, kAlt)}},
        KeyCase{
            "EscapeThenAltA", "\033\033a", {Down(0x1B, 0x01, 0x1B), Down('A', 0x1E, 'a', kAlt)}},
        KeyCase{"EscapeBeforeAnUnknownSequence",
                "\033\033[99~x",
                {Down(0x1B, 0x01, 0x1B), Down('X', 0x2D, 'x')}}),
    CaseName);

// rxvt-unicode's and st's own forms, as each sends them with its defaults.
INSTANTIATE_TEST_SUITE_P(
    EmulatorForms, DecodesKeys,
    ::testing::Values(
        KeyCase{"RxvtCtrlUp", "\033Oa", {Down(0x26, 0x48, 0, kCtrl | kEnh)}},
        KeyCase{"RxvtCtrlLeft", "\033Od", {Down(0x25, 0x4B, 0, kCtrl | kEnh)}},
        KeyCase{"RxvtShiftDown", "\033[b", {Down(0x28, 0x50, 0, kShift | kEnh)}},
        KeyCase{"RxvtShiftRight", "\033[c", {Down(0x27, 0x4D, 0, kShift | kEnh)}},
        KeyCase{"RxvtCtrlHome", "\033[7^", {Down(0x24, 0x47, 0, kCtrl | kEnh)}},
        KeyCase{"RxvtCtrlPageDown", "\033[6^", {Down(0x22, 0x51, 0, kCtrl | kEnh)}},
        KeyCase{"RxvtCtrlF1", "\033[11^", {Down(0x70, 0x3B, 0, kCtrl)}},
        KeyCase{"RxvtShiftEnd", "\033[8$", {Down(0x23, 0x4F, 0, kShift | kEnh)}},
        KeyCase{"RxvtShiftDelete", "\033[3$", {Down(0x2E, 0x53, 0, kShift | kEnh)}},
        KeyCase{"RxvtShiftF12", "\033[24$", {Down(0x7B, 0x58, 0, kShift)}},
        KeyCase{"RxvtCtrlShiftInsert", "\033[2@", {Down(0x2D, 0x52, 0, kCtrl | kShift | kEnh)}},
        KeyCase{"RxvtShiftF3", "\033[25~", {Down(0x72, 0x3D, 0, kShift)}},
        KeyCase{"RxvtShiftF5", "\033[28~", {Down(0x74, 0x3F, 0, kShift)}},
        KeyCase{"RxvtShiftF10", "\033[34~", {Down(0x79, 0x44, 0, kShift)}},
        KeyCase{"RxvtCtrlShiftF4", "\033[26^", {Down(0x73, 0x3E, 0, kCtrl | kShift)}},
        KeyCase{"StInsert", "\033[4h", {Down(0x2D, 0x52, 0, kEnh)}},
        KeyCase{"StShiftInsert", "\033[4l", {Down(0x2D, 0x52, 0, kShift | kEnh)}},
        KeyCase{"StCtrlInsert", "\033[L", {Down(0x2D, 0x52, 0, kCtrl | kEnh)}},
        KeyCase{"StDelete", "\033[P", {Down(0x2E, 0x53, 0, kEnh)}},
        KeyCase{"StCtrlDelete", "\033[M", {Down(0x2E, 0x53, 0, kCtrl | kEnh)}},
        KeyCase{"StShiftDelete", "\033[2K", {Down(0x2E, 0x53, 0, kShift | kEnh)}},
        KeyCase{"StCtrlEnd", "\033[J", {Down(0x23, 0x4F, 0, kCtrl | kEnh)}},
        KeyCase{"StShiftEnd", "\033[K", {Down(0x23, 0x4F, 0, kShift | kEnh)}},
        KeyCase{"StShiftHome", "\033[2J", {Down(0x24, 0x47, 0, kShift | kEnh)}},
        KeyCase{"ShiftF1KeepsItsParameters", "\033[1;2P", {Down(0x70, 0x3B, 0, kShift)}},
        KeyCase{"OtherNumbersAreNoKey",
                "\033[5h\033[3J\033[9^\033[30~\033[1;2bx",
                {Down('X', 0x2D, 'x')}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Utf8, DecodesKeys,
    ::testing::Values(KeyCase{"EAcute", "\xc3\xa9", {Down(0xE7, 0, 0x82)}},
                      KeyCase{"Pound", "\xc2\xa3", {Down(0xE7, 0, 0x9C)}},
                      KeyCase{"NoBreakSpace", "\xc2\xa0", {Down(0xE7, 0, 0xFF)}},
                      KeyCase{"LightShade", "\xe2\x96\x91", {Down(0xE7, 0, 0xB0)}},
                      KeyCase{"EuroHasNoByte", "\xe2\x82\xac", {Down(0xE7, 0, 0)}},
                      KeyCase{"SmileGlyphIsNoControlCode", "\xe2\x98\xba", {Down(0xE7, 0, 0)}},
                      KeyCase{"FourByteCharacter", "\xf0\x9f\x98\x80", {Down(0xE7, 0, 0)}},
                      KeyCase{"LargestCodePoint", "\xf4\x8f\xbf\xbf", {Down(0xE7, 0, 0)}},
                      KeyCase{"Mixed",
                              "a\xc3\xbc"
                              "b",
                              {Down('A', 0x1E, 'a'), Down(0xE7, 0, 0x81), Down('B', 0x30, 'b')}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    KittyProtocol, DecodesKeys,
    ::testing::Values(
        KeyCase{"Letter", "\033[97u", {Down('A', 0x1E, 'a')}},
        KeyCase{"ShiftLetter", "\033[97;2u", {Down('A', 0x1E, 'A', kShift)}},
        KeyCase{"CtrlLetter", "\033[97;5u", {Down('A', 0x1E, 0x01, kCtrl)}},
        KeyCase{"AltLetter", "\033[97;3u", {Down('A', 0x1E, 'a', kAlt)}},
        KeyCase{"CapsLockLetter", "\033[97;65u", {Down('A', 0x1E, 'A', kCapsLockOn)}},
        KeyCase{"ShiftCapsLockLetter", "\033[97;66u", {Down('A', 0x1E, 'a', kShift | kCapsLockOn)}},
        KeyCase{"ShiftDigit", "\033[49;2u", {Down('1', 0x02, '!', kShift)}},
        KeyCase{"ShiftedAlternate", "\033[49:33;2u", {Down('1', 0x02, '!', kShift)}},
        KeyCase{"AssociatedText", "\033[97;2;65u", {Down('A', 0x1E, 'A', kShift)}},
        KeyCase{"Repeat", "\033[97;1:2u", {Down('A', 0x1E, 'a')}},
        KeyCase{"Release", "\033[97;1:3u", {Up('A', 0x1E, 'a')}},
        KeyCase{"Escape", "\033[27u", {Down(0x1B, 0x01, 0x1B)}},
        KeyCase{"Enter", "\033[13u", {Down(0x0D, 0x1C, 0x0D)}},
        KeyCase{"CtrlEnter", "\033[13;5u", {Down(0x0D, 0x1C, 0x0A, kCtrl)}},
        KeyCase{"ShiftTab", "\033[9;2u", {Down(0x09, 0x0F, 0x09, kShift)}},
        KeyCase{"Backspace", "\033[127u", {Down(0x08, 0x0E, 0x08)}},
        KeyCase{"NonAscii", "\033[233u", {Down(0xE7, 0, 0x82)}},
        KeyCase{"LeftShift", "\033[57441;2u", {Down(0x10, 0x2A, 0, kShift)}},
        KeyCase{"LeftShiftRelease", "\033[57441;1:3u", {Up(0x10, 0x2A, 0)}},
        KeyCase{"LeftCtrl", "\033[57442;5u", {Down(0x11, 0x1D, 0, kCtrl)}},
        KeyCase{"LeftAlt", "\033[57443;3u", {Down(0x12, 0x38, 0, kAlt)}},
        KeyCase{"RightShift", "\033[57447;2u", {Down(0x10, 0x36, 0, kShift)}},
        KeyCase{"RightCtrl", "\033[57448;5u", {Down(0x11, 0x1D, 0, kCtrl | kEnh)}},
        KeyCase{"RightAlt", "\033[57449;3u", {Down(0x12, 0x38, 0, kAlt | kEnh)}},
        KeyCase{"CapsLock", "\033[57358;65u", {Down(0x14, 0x3A, 0, kCapsLockOn)}},
        KeyCase{"NumLock", "\033[57360u", {Down(0x90, 0x45, 0, kEnh)}},
        KeyCase{"ScrollLock", "\033[57359u", {Down(0x91, 0x46, 0)}},
        KeyCase{"F13", "\033[57376u", {Down(0x7C, 0x64, 0)}},
        KeyCase{"Keypad0", "\033[57399u", {Down(0x60, 0x52, '0')}},
        KeyCase{"KeypadEnter", "\033[57414u", {Down(0x0D, 0x1C, 0x0D, kEnh)}},
        KeyCase{"KeypadLeft", "\033[57417u", {Down(0x25, 0x4B, 0)}},
        KeyCase{"KeypadBegin", "\033[57427u", {Down(0x0C, 0x4C, 0)}},
        KeyCase{"CtrlUpRelease", "\033[1;5:3A", {Up(0x26, 0x48, 0, kCtrl | kEnh)}},
        KeyCase{"DeleteRepeat", "\033[3;1:2~", {Down(0x2E, 0x53, 0, kEnh)}},
        KeyCase{"F1Release", "\033[1;1:3P", {Up(0x70, 0x3B, 0)}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Win32InputMode, DecodesKeys,
    ::testing::Values(
        KeyCase{"LetterDown", "\033[65;30;97;1;0;1_", {Down('A', 0x1E, 'a')}},
        KeyCase{"LetterUp", "\033[65;30;97;0;0;1_", {Up('A', 0x1E, 'a')}},
        KeyCase{"Escape", "\033[27;1;27;1;0;1_", {Down(0x1B, 0x01, 0x1B)}},
        KeyCase{"ShiftAlone", "\033[16;42;0;1;16;1_", {Down(0x10, 0x2A, 0, kShift)}},
        KeyCase{"CtrlLeft", "\033[37;75;0;1;264;1_", {Down(0x25, 0x4B, 0, kCtrl | kEnh)}},
        KeyCase{"NonAscii", "\033[222;40;233;1;0;1_", {Down(0xDE, 0x28, 0x82)}},
        KeyCase{"NoCodePage437Byte", "\033[0;0;8364;1;0;1_", {Down(0, 0, 0)}},
        KeyCase{"RepeatCount", "\033[65;30;97;1;0;3_", {KeyEventRecord{1, 3, 'A', 0x1E, 'a', 0}}},
        KeyCase{"AllDefaults", "\033[_", {KeyEventRecord{0, 1, 0, 0, 0, 0}}},
        KeyCase{"FieldTooLarge", "\033[65536;30;97;1;0;1_", {}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Malformed, DecodesKeys,
    ::testing::Values(
        KeyCase{"UnknownTilde", "\033[99~x", {Down('X', 0x2D, 'x')}},
        KeyCase{"BracketedPaste", "\033[200~x", {Down('X', 0x2D, 'x')}},
        KeyCase{"ModifiersOutOfRange", "\033[1;999Ax", {Down('X', 0x2D, 'x')}},
        KeyCase{"ZeroModifiers", "\033[1;0Ax", {Down('X', 0x2D, 'x')}},
        KeyCase{"UnknownEvent", "\033[1;5:9Ax", {Down('X', 0x2D, 'x')}},
        KeyCase{"PrivateMarkerOnKey", "\033[?5Ax", {Down('X', 0x2D, 'x')}},
        KeyCase{"MisplacedMarker", "\033[1?Ax", {Down('X', 0x2D, 'x')}},
        KeyCase{"Intermediate", "\033[1\"Ax", {Down('X', 0x2D, 'x')}},
        KeyCase{"PrivateReplyWithDollar", "\033[?1036;2$yx", {Down('X', 0x2D, 'x')}},
        KeyCase{"ParameterAfterIntermediate", "\033[ 1Ax", {Down('X', 0x2D, 'x')}},
        KeyCase{"CursorPositionReport", "\033[12;40Rx", {Down('X', 0x2D, 'x')}},
        KeyCase{"SecondaryAttributes", "\033[>1;2cx", {Down('X', 0x2D, 'x')}},
        KeyCase{"HugeNumber", "\033[99999999999999uX", {Down('X', 0x2D, 'X', kShift)}},
        KeyCase{"UnknownPrivateUseKey", "\033[57345ux", {Down('X', 0x2D, 'x')}},
        KeyCase{"MediaKey", "\033[57430ux", {Down('X', 0x2D, 'x')}},
        KeyCase{"UnknownFinal", "\033[1;5Yx", {Down('X', 0x2D, 'x')}},
        KeyCase{"UnknownSs3", "\033Ozx", {Down('X', 0x2D, 'x')}},
        KeyCase{"UnknownLinuxConsole", "\033[[Zx", {Down('X', 0x2D, 'x')}},
        KeyCase{
            "InterruptedByEnter", "\033[1;5\rx", {Down(0x0D, 0x1C, 0x0D), Down('X', 0x2D, 'x')}},
        KeyCase{"InterruptedByEscape", "\033[1;\033[A", {Down(0x26, 0x48, 0, kEnh)}},
        KeyCase{"Ss3InterruptedByTab", "\033O\t", {Down(0x09, 0x0F, 0x09)}},
        KeyCase{"LinuxConsoleInterrupted", "\033[[\r", {Down(0x0D, 0x1C, 0x0D)}},
        KeyCase{"InvalidLead", "\xffx", {Down('X', 0x2D, 'x')}},
        KeyCase{"StrayContinuation", "\x80x", {Down('X', 0x2D, 'x')}},
        KeyCase{"MissingContinuation", "\xc3(", {Down('9', 0x0A, '(', kShift)}},
        KeyCase{"Overlong", "\xc0\xafx", {Down('X', 0x2D, 'x')}},
        KeyCase{"OverlongThreeBytes", "\xe0\x80\xafx", {Down('X', 0x2D, 'x')}},
        KeyCase{"Surrogate", "\xed\xa0\x80x", {Down('X', 0x2D, 'x')}},
        KeyCase{"BeyondUnicode", "\xf4\x90\x80\x80x", {Down('X', 0x2D, 'x')}},
        KeyCase{"AltInvalid", "\033\xffx", {Down('X', 0x2D, 'x')}}),
    CaseName);

TEST(KeyDecoderReports, KittyFlagsAndDeviceAttributes) {
    KeyDecoder decoder;
    RecordingSink sink;
    const std::string bytes = "\033[?31u\033[?u\033[?62;22;52c\033[?1;2cq";
    decoder.Feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), milliseconds{0},
                 sink);
    EXPECT_EQ(sink.kittyFlags, (std::vector<std::uint32_t>{31, 0}));
    EXPECT_EQ(sink.deviceAttributes, 2);
    EXPECT_EQ(sink.Keys(), (std::vector<KeyEventRecord>{Down('Q', 0x10, 'q')}));
}

TEST(KeyDecoderReports, EveryRecordIsAKeyEvent) {
    const std::string bytes = "a\033[A\033[97;1:3u\033[65;30;97;0;0;1_";
    KeyDecoder decoder;
    RecordingSink sink;
    decoder.Feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), milliseconds{0},
                 sink);
    ASSERT_EQ(sink.records.size(), 4U);
    for (const InputRecord& record : sink.records) {
        EXPECT_EQ(record.eventType, kKeyEvent);
    }
}

}  // namespace
}  // namespace decoding
}  // namespace conkit::host
