#include "conkit/keys.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tests/testing/memory_console.hpp"

namespace conkit {
namespace {

using host::KeyEventRecord;
using testing::KeyDown;

constexpr std::uint32_t kShift = kShiftPressed;
constexpr std::uint32_t kCtrl = kLeftCtrlPressed;
constexpr std::uint32_t kAlt = kLeftAltPressed;

class PollKeyTest : public testing::MemoryConsoleTest {};

TEST_F(PollKeyTest, EscapeEnterAndALetter) {
    console().QueueKey(KeyDown(0x1B, 0x01, 0x1B));
    EXPECT_EQ(PollKey().keyCode, kKeyEscape);
    console().QueueKey(KeyDown(0x0D, 0x1C, 0x0D));
    EXPECT_EQ(PollKey().keyCode, kKeyEnter);
    console().QueueKey(MakeCharacterPress('a'));
    const PolledKey key = PollKey();
    EXPECT_TRUE(key.available);
    EXPECT_EQ(key.keyCode, 0x1E61U);
    EXPECT_EQ(key.virtualKey, 0x41U);
}

TEST_F(PollKeyTest, EmptyQueueGivesNoKeyAndRestoresTheMode) {
    EXPECT_FALSE(PollKey().available);
    EXPECT_EQ(console().InputMode(), host::kDefaultInputMode);
}

TEST_F(PollKeyTest, OnlyTheFirstOfTwoQueuedKeysSurvives) {
    console().QueueKey(MakeCharacterPress('g'));
    console().QueueKey(MakeCharacterPress('d'));
    EXPECT_EQ(PollKey().keyCode & 0xFF, 'g');
    EXPECT_EQ(console().QueuedEvents(), 0U);
    EXPECT_FALSE(PollKey().available);
}

TEST_F(PollKeyTest, ModifiersLocksReleasesAndOtherEventsGiveNoKey) {
    for (const int virtualKey : {0x10, 0x11, 0x12, 0x14, 0x90, 0x91}) {
        console().QueueKey(KeyDown(static_cast<std::uint16_t>(virtualKey), 0x2A, 0));
        EXPECT_FALSE(PollKey().available) << virtualKey;
    }
    KeyEventRecord release = MakeCharacterPress('a');
    release.keyDown = 0;
    console().QueueKey(release);
    EXPECT_FALSE(PollKey().available);
    console().Queue({host::kFocusEvent, {}});
    EXPECT_FALSE(PollKey().available);
}

TEST_F(PollKeyTest, SkipsNoiseAheadOfTheFirstKeyPress) {
    console().QueueKey(KeyDown(0x10, 0x2A, 0, kShift));
    KeyEventRecord release = MakeCharacterPress('x');
    release.keyDown = 0;
    console().QueueKey(release);
    console().QueueKey(MakeCharacterPress('r'));
    EXPECT_EQ(PollKey().keyCode & 0xFF, 'r');
}

TEST_F(PollKeyTest, VirtualKeyZeroIsConsumedAsNoKey) {
    console().QueueKey(KeyDown(0, 0, 'z'));
    console().QueueKey(MakeCharacterPress('b'));
    EXPECT_FALSE(PollKey().available);
    EXPECT_EQ(console().QueuedEvents(), 0U);
}

TEST_F(PollKeyTest, LooksAtTheQueueInModeZeroAndRestoresTheSavedMode) {
    console().SetConsoleMode(host::memory::MemoryHost::kInputHandle, 0x5);
    console().QueueKey(MakeCharacterPress('g'));
    console().ClearTrace();
    EXPECT_EQ(PollKey().keyCode & 0xFF, 'g');
    std::uint32_t mode = 0x5;
    int looks = 0;
    for (const host::memory::LogEntry& entry : console().Log()) {
        if (entry.operation == host::memory::Operation::setMode) {
            mode = entry.value;
        } else if (entry.operation == host::memory::Operation::peekInput ||
                   entry.operation == host::memory::Operation::readInput) {
            ++looks;
            EXPECT_EQ(mode, 0U) << "look " << looks;
        }
    }
    EXPECT_GT(looks, 0);
    EXPECT_EQ(console().InputMode(), 0x5U);
}

// A key that comes after the poll found the queue empty, before it
// returns, must be there for the next poll: a poll that found nothing
// flushes nothing.
TEST_F(PollKeyTest, PollThatFindsNothingFlushesNothing) {
    for (const bool withNoise : {false, true}) {
        if (withNoise) {
            console().QueueKey(KeyDown(0x10, 0x2A, 0, kShift));
        }
        console().ClearTrace();
        EXPECT_FALSE(PollKey().available);
        for (const host::memory::LogEntry& entry : console().Log()) {
            EXPECT_NE(entry.operation, host::memory::Operation::flushInput) << withNoise;
        }
    }
}

TEST_F(PollKeyTest, WaitKeyPollsEveryTenMilliseconds) {
    console().Schedule(35, {host::kKeyEvent, MakeCharacterPress('c')});
    EXPECT_EQ(WaitKey() & 0xFF, 'c');
    EXPECT_EQ(console().NowMs(), 40U);
}

struct TranslationCase {
    const char* name;
    std::uint8_t scan;
    std::uint8_t character;
    std::uint32_t virtualKey;
    std::uint32_t controlState;
    std::uint8_t expectedScan;
    std::uint8_t expectedCharacter;
};

class TranslateTest : public ::testing::TestWithParam<TranslationCase> {};

TEST_P(TranslateTest, GivesTheExpectedScanAndCharacter) {
    const TranslationCase& c = GetParam();
    const TranslatedKey key =
        TranslateExtendedKey(c.scan, c.character, c.virtualKey, c.controlState);
    EXPECT_EQ(key.scan, c.expectedScan);
    EXPECT_EQ(key.character, c.expectedCharacter);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TranslateTest,
    ::testing::Values(
        TranslationCase{"Left", 0x4B, 0, 0x25, 0, 0x4B, 0},
        TranslationCase{"CtrlLeft", 0x4B, 0, 0x25, kCtrl, 0x73, 0},
        TranslationCase{"AltLeft", 0x4B, 0, 0x25, kAlt, 0x4B, 0},
        TranslationCase{"CtrlAltUpTakesCtrl", 0x48, 0, 0x26, kCtrl | kAlt, 0x8D, 0},
        TranslationCase{"ShiftF1", 0x3B, 0, 0x70, kShift, 0x54, 0},
        TranslationCase{"CtrlF1", 0x3B, 0, 0x70, kCtrl, 0x5E, 0},
        TranslationCase{"AltF1", 0x3B, 0, 0x70, kAlt, 0x68, 0},
        TranslationCase{"CtrlShiftF10", 0x44, 0, 0x79, kCtrl | kShift, 0x67, 0},
        TranslationCase{"AltDigit", 0x02, '1', 0x31, kAlt, 0x78, 0},
        TranslationCase{"CtrlDigit", 0x02, '1', 0x31, kCtrl, 0x02, '1'},
        TranslationCase{"ShiftDigitCharacterStays", 0x02, '1', 0x31, kShift, 0x02, '1'},
        TranslationCase{"CtrlAltDigit", 0x02, '1', 0x31, kCtrl | kAlt, 0x78, 0},
        TranslationCase{"ShiftTab", 0x0F, 0x09, 0x09, kShift, 0x0F, 0},
        TranslationCase{"CtrlShiftTab", 0x0F, 0x09, 0x09, kCtrl | kShift, 0x0F, 0},
        TranslationCase{"CtrlTabKeeps", 0x0F, 0x09, 0x09, kCtrl, 0x0F, 0x09},
        TranslationCase{"F11", 0x57, 0, 0x7A, 0, 0x85, 0},
        TranslationCase{"CtrlF11", 0x57, 0, 0x7A, kCtrl, 0x85, 0},
        TranslationCase{"F12", 0x58, 0, 0x7B, 0, 0x86, 0},
        TranslationCase{"Minus", 0x0C, '-', 0xBD, 0, 0x0C, '-'},
        TranslationCase{"AltMinus", 0x0C, '-', 0xBD, kAlt, 0x82, 0},
        TranslationCase{"CtrlMinus", 0x0C, '-', 0xBD, kCtrl, 0x0C, 0},
        TranslationCase{"AltEquals", 0x0D, '=', 0xBB, kAlt, 0x83, 0},
        TranslationCase{"VirtualKeyHighByteIgnored", 0x4B, 0, 0x125, kCtrl, 0x73, 0},
        TranslationCase{"PlainLetterUnchanged", 0x1E, 'a', 0x41, 0, 0x1E, 'a'},
        TranslationCase{"NumLockStateIsNoModifier", 0x3B, 0, 0x70, kNumLockOn, 0x3B, 0}),
    [](const ::testing::TestParamInfo<TranslationCase>& param) { return param.param.name; });

TEST(ExtendedKeyTableTest, HasSixteenRowsEndedByZero) {
    EXPECT_EQ(ExtendedKeyTable[kExtendedKeyRows * 4], 0);
    for (std::uint32_t row = 0; row < kExtendedKeyRows; ++row) {
        EXPECT_NE(ExtendedKeyTable[row * 4], 0) << row;
    }
}

// What a program's own test does: type named keys and text into the public
// memory console and read them back through PollKey.
TEST(NamedKeysTest, RoundTripThroughTheMemoryConsole) {
    MemoryConsole console(80, 25);
    for (const std::uint32_t key :
         {kKeyEscape,   kKeyEnter,  kKeyTab,    kKeyBackspace, kKeySpace, kKeyUp,
          kKeyDown,     kKeyLeft,   kKeyRight,  kKeyHome,      kKeyEnd,   kKeyPageUp,
          kKeyPageDown, kKeyInsert, kKeyDelete, kKeyF1,        kKeyF2,    kKeyF3,
          kKeyF4,       kKeyF5,     kKeyF6,     kKeyF7,        kKeyF8,    kKeyF9,
          kKeyF10,      kKeyF11,    kKeyF12,    0x1E61U,       0x1E01U}) {
        ASSERT_TRUE(console.TypeKey(key)) << std::hex << key;
        EXPECT_EQ(PollKey().keyCode, key) << std::hex << key;
    }
    EXPECT_FALSE(console.TypeKey(0x4B61)) << "no key types a with the scan code of Left";
    for (const char typed : std::string_view("zQ5%~\x82")) {
        ASSERT_TRUE(console.TypeText(std::string(1, typed).c_str()));
        const PolledKey key = PollKey();
        EXPECT_TRUE(key.available);
        EXPECT_EQ(key.keyCode & 0xFFU, static_cast<std::uint8_t>(typed));
        EXPECT_EQ((key.controlState & kShiftPressed) != 0,
                  typed == 'Q' || typed == '%' || typed == '~');
    }
}

}  // namespace
}  // namespace conkit
