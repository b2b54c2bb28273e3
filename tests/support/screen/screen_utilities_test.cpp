#include "support/screen/screen_utilities.hpp"

#include <gtest/gtest.h>

#include "console/output.hpp"
#include "tests/testing/memory_console.hpp"

namespace conkit {
namespace {

using host::Operation;

class NewLineTest : public testing::MemoryConsoleTest {};

TEST_F(NewLineTest, WritesCarriageReturnLineFeedInOneWrite) {
    EmitText("ab");
    console().ClearTrace();
    NewLine();
    EmitText("c");
    ASSERT_EQ(console().Log().size(), 2U);
    EXPECT_EQ(console().Log()[0].text, "\r\n");
    EXPECT_EQ(console().RowText(0, 0, 3), "ab ");
    EXPECT_EQ(console().RowText(1, 0, 2), "c ");
}

TEST_F(NewLineTest, FetchesTheHandlesFirst) {
    NewLine();
    ASSERT_GE(console().Log().size(), 3U);
    EXPECT_EQ(console().Log()[0].operation, Operation::getStdHandle);
    EXPECT_EQ(console().Screen().Cursor(), (host::Coord{0, 1}));
}

}  // namespace
}  // namespace conkit
