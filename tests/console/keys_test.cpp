#include "conkit/keys.hpp"

#include <gtest/gtest.h>

#include "tests/testing/memory_console.hpp"

namespace conkit {
namespace {

using host::KeyEventRecord;
using testing::KeyDown;

constexpr std::uint32_t kShift = host::kShiftPressed;
constexpr std::uint32_t kCtrl = host::kLeftCtrlPressed;
constexpr std::uint32_t kAlt = host::kLeftAltPressed;

class PollKeyTest : public testing::MemoryConsoleTest {};

TEST_F(PollKeyTest, EscapeEnterAndALetter) {
    console().QueueKey(KeyDown(0x1B, 0x01, 0x1B));
    EXPECT_EQ(PollKey().keyCode, kKeyEscape);
    console().QueueKey(KeyDown(0x0D, 0x1C, 0x0D));
    EXPECT_EQ(PollKey().keyCode, kKeyEnter);
    console().QueueKey(testing::LetterKey('a'));
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
    console().QueueKey(testing::LetterKey('g'));
    console().QueueKey(testing::LetterKey('d'));
    EXPECT_EQ(PollKey().keyCode & 0xFF, 'g');
    EXPECT_EQ(console().QueuedEvents(), 0U);
    EXPECT_FALSE(PollKey().available);
}

TEST_F(PollKeyTest, ModifiersLocksReleasesAndOtherEventsGiveNoKey) {
    for (const int virtualKey : {0x10, 0x11, 0x12, 0x14, 0x90, 0x91}) {
        console().QueueKey(KeyDown(static_cast<std::uint16_t>(virtualKey), 0x2A, 0));
        EXPECT_FALSE(PollKey().available) << virtualKey;
    }
    KeyEventRecord release = testing::LetterKey('a');
    release.keyDown = 0;
    console().QueueKey(release);
    EXPECT_FALSE(PollKey().available);
    console().Queue({host::kFocusEvent, {}});
    EXPECT_FALSE(PollKey().available);
}

TEST_F(PollKeyTest, SkipsNoiseAheadOfTheFirstKeyPress) {
    console().QueueKey(KeyDown(0x10, 0x2A, 0, kShift));
    KeyEventRecord release = testing::LetterKey('x');
    release.keyDown = 0;
    console().QueueKey(release);
    console().QueueKey(testing::LetterKey('r'));
    EXPECT_EQ(PollKey().keyCode & 0xFF, 'r');
}

TEST_F(PollKeyTest, VirtualKeyZeroIsConsumedAsNoKey) {
    console().QueueKey(KeyDown(0, 0, 'z'));
    console().QueueKey(testing::LetterKey('b'));
    EXPECT_FALSE(PollKey().available);
    EXPECT_EQ(console().QueuedEvents(), 0U);
}

TEST_F(PollKeyTest, PollRunsInModeZeroAndRestoresTheSavedMode) {
    console().SetConsoleMode(host::MemoryHost::kInputHandle, 0x5);
    console().QueueKey(testing::LetterKey('g'));
    console().ClearTrace();
    PollKey();
    const auto& log = console().Log();
    ASSERT_GE(log.size(), 3U);
    EXPECT_EQ(log[2].operation, host::Operation::getMode);
    EXPECT_EQ(log[3].operation, host::Operation::setMode);
    EXPECT_EQ(log[3].value, 0U);
    EXPECT_EQ(log.back().operation, host::Operation::flushInput);
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
        for (const host::LogEntry& entry : console().Log()) {
            EXPECT_NE(entry.operation, host::Operation::flushInput) << withNoise;
        }
    }
}

TEST_F(PollKeyTest, WaitKeyPollsEveryTenMilliseconds) {
    console().Schedule(35, {host::kKeyEvent, testing::LetterKey('c')});
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
        TranslationCase{"NumLockStateIsNoModifier", 0x3B, 0, 0x70, host::kNumLockOn, 0x3B, 0}),
    [](const ::testing::TestParamInfo<TranslationCase>& param) { return param.param.name; });

TEST(ExtendedKeyTableTest, HasSixteenRowsEndedByZero) {
    EXPECT_EQ(ExtendedKeyTable[kExtendedKeyRows * 4], 0);
    for (std::uint32_t row = 0; row < kExtendedKeyRows; ++row) {
        EXPECT_NE(ExtendedKeyTable[row * 4], 0) << row;
    }
}

}  // namespace
}  // namespace conkit
