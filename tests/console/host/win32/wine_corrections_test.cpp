#include "console/host/win32/wine_corrections.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

namespace conkit::host::win32 {
namespace {

InputRecord Key(std::uint16_t virtualKey, std::uint8_t character, std::uint32_t controlState = 0,
                std::uint32_t keyDown = 1) {
    return InputRecord{kKeyEvent,
                       KeyEventRecord{keyDown, 1, virtualKey, 0, character, controlState}};
}

struct Mending {
    const char* name;
    InputRecord delivered;
    InputRecord expected;
};

class MendInputRecordTest : public ::testing::TestWithParam<Mending> {};

TEST_P(MendInputRecordTest, GivesTheRecordWindowsDelivers) {
    EXPECT_EQ(MendInputRecord(GetParam().delivered), GetParam().expected);
}

const InputRecord kFocus{kFocusEvent, KeyEventRecord{0, 0, 0x1B, 0, 0, 0}};

INSTANTIATE_TEST_SUITE_P(
    Records, MendInputRecordTest,
    ::testing::Values(
        Mending{"EscapeWithoutCharacter", Key(0x1B, 0), Key(0x1B, 0x1B)},
        Mending{"EscapeReleaseWithoutCharacter", Key(0x1B, 0, 0, 0), Key(0x1B, 0x1B, 0, 0)},
        Mending{"EscapeWithShift", Key(0x1B, 0, kShiftPressed), Key(0x1B, 0x1B, kShiftPressed)},
        Mending{"EscapeAlreadyRight", Key(0x1B, 0x1B), Key(0x1B, 0x1B)},
        Mending{"LetterUntouched", Key(0x41, 'a'), Key(0x41, 'a')},
        Mending{"ArrowKeepsCharacterZero", Key(0x25, 0), Key(0x25, 0)},
        Mending{"TypedCharacterWithoutKey", Key(0, 0x82), Key(0xE7, 0x82)},
        Mending{"TypedCharacterRelease", Key(0, 0x81, 0, 0), Key(0xE7, 0x81, 0, 0)},
        Mending{"NoKeyNoCharacterUntouched", Key(0, 0), Key(0, 0)},
        Mending{"OtherEventsUntouched", kFocus, kFocus}),
    [](const ::testing::TestParamInfo<Mending>& param) { return param.param.name; });

}  // namespace
}  // namespace conkit::host::win32

namespace conkit::host::win32 {
namespace {

struct Walk {
    const char* name;
    Coord cursor;
    const char* text;
    std::uint32_t firstPiece;
    std::uint32_t scrolls;
};

class CursorWalkTest : public ::testing::TestWithParam<Walk> {};

constexpr Coord kSize{10, 3};

TEST_P(CursorWalkTest, EndsTheFirstPieceAtTheWrapAndCountsScrolls) {
    const Walk& walk = GetParam();
    const auto length = static_cast<std::uint32_t>(std::string_view(walk.text).size());
    CursorWalk first(walk.cursor, kSize);
    EXPECT_EQ(PieceUpToWrap(first, walk.text, length), walk.firstPiece);
    CursorWalk whole(walk.cursor, kSize);
    for (std::uint32_t i = 0; i < length; ++i) {
        whole.Put(static_cast<std::uint8_t>(walk.text[i]));
    }
    EXPECT_EQ(whole.Scrolls(), walk.scrolls);
}

INSTANTIATE_TEST_SUITE_P(
    Writes, CursorWalkTest,
    ::testing::Values(Walk{"NoWrap", {0, 0}, "abc", 3, 0},
                      Walk{"LastColumnWraps", {8, 0}, "abc", 2, 0},
                      Walk{"LineFeedAfterWrapIsItsOwnPiece", {9, 0}, "a\nb", 1, 0},
                      Walk{"TabToTheEdgeWraps", {8, 1}, "\tx", 1, 0},
                      Walk{"CarriageReturnAndBackspaceNeverWrap", {9, 0}, "\r\b\a", 3, 0},
                      Walk{"LineFeedOnLastRowScrolls", {0, 2}, "\n\n", 2, 2},
                      Walk{"WrapOnLastRowScrolls", {9, 2}, "ab", 1, 1},
                      Walk{"ManyScrollsAreAllCounted", {0, 0}, "\n\n\n\n\n", 5, 3}),
    [](const ::testing::TestParamInfo<Walk>& param) { return param.param.name; });

}  // namespace
}  // namespace conkit::host::win32
