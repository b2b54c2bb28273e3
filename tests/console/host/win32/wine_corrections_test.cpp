#include "console/host/win32/wine_corrections.hpp"

#include <gtest/gtest.h>

#include <cstdint>

namespace conkit::host {
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
        Mending{"VirtualKeyZeroUntouched", Key(0, 0x84), Key(0, 0x84)},
        Mending{"OtherEventsUntouched", kFocus, kFocus}),
    [](const ::testing::TestParamInfo<Mending>& param) { return param.param.name; });

}  // namespace
}  // namespace conkit::host
