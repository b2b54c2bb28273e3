#include "console/host/terminal/cursor_motion.hpp"

#include <gtest/gtest.h>

#include <string>

namespace conkit::host::terminal {
namespace {

// Cells of the rewritable columns are the letter 'a' + column; any other
// column cannot be written again.
class FakeRewriter final : public CellRewriter {
  public:
    explicit FakeRewriter(std::uint16_t firstFixed) : firstFixed_(firstFixed) {}

    bool Rewrite(std::uint16_t, std::uint16_t first, std::uint16_t end,
                 MotionBytes& bytes) const override {
        if (end > firstFixed_) {
            return false;
        }
        for (std::uint16_t column = first; column < end; ++column) {
            bytes.Add(static_cast<char>('a' + column));
        }
        return bytes.Fits();
    }

  private:
    std::uint16_t firstFixed_;
};

struct MoveCase {
    const char* name;
    std::optional<Coord> from;
    Coord to;
    bool lineFeed;
    const char* bytes;
};

class PlanMoveTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(PlanMoveTest, TakesTheShortestWay) {
    const MoveCase& test = GetParam();
    const FakeRewriter rewriter(0);
    const MotionBytes motion = PlanMove(test.from, test.to, test.lineFeed, rewriter);
    EXPECT_EQ(std::string(motion.Data(), motion.Length()), test.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, PlanMoveTest,
    ::testing::Values(MoveCase{"Unknown", std::nullopt, {9, 4}, true, "\x1b[5;10H"},
                      MoveCase{"UnknownHome", std::nullopt, {0, 0}, true, "\x1b[H"},
                      MoveCase{"UnknownFirstColumn", std::nullopt, {0, 11}, true, "\x1b[12H"},
                      MoveCase{"UnknownFirstRow", std::nullopt, {7, 0}, true, "\x1b[;8H"},
                      MoveCase{"Stay", Coord{3, 3}, {3, 3}, true, ""},
                      MoveCase{"BackTwo", Coord{6, 3}, {4, 3}, true, "\b\b"},
                      MoveCase{"BackFew", Coord{40, 3}, {37, 3}, true, "\b\b\b"},
                      MoveCase{"BackMany", Coord{40, 3}, {20, 3}, true, "\x1b[21G"},
                      MoveCase{"BackManyFarRight", Coord{240, 3}, {220, 3}, true, "\x1b[20D"},
                      MoveCase{"StartOfRow", Coord{40, 3}, {0, 3}, true, "\r"},
                      MoveCase{"ForwardOne", Coord{4, 3}, {5, 3}, true, "\x1b[C"},
                      MoveCase{"ForwardMany", Coord{4, 3}, {50, 3}, true, "\x1b[51G"},
                      MoveCase{"ForwardManyFarRight", Coord{104, 3}, {150, 3}, true, "\x1b[46C"},
                      MoveCase{"NextRowStart", Coord{30, 3}, {0, 4}, true, "\n\r"},
                      MoveCase{"BelowSameColumn", Coord{30, 3}, {30, 5}, true, "\n\n"},
                      MoveCase{"BelowWithoutLineFeed", Coord{30, 3}, {30, 5}, false, "\x1b[2B"},
                      MoveCase{"FarBelow", Coord{30, 3}, {30, 20}, true, "\x1b[17B"},
                      MoveCase{"Above", Coord{30, 9}, {30, 3}, true, "\x1b[6A"},
                      MoveCase{"NextRowBackFive", Coord{6, 3}, {1, 4}, true, "\n\x1b[2G"},
                      MoveCase{"NextRowBackTwo", Coord{6, 3}, {4, 4}, true, "\n\b\b"},
                      MoveCase{"FarAway", Coord{0, 0}, {70, 20}, true, "\x1b[21;71H"}),
    [](const ::testing::TestParamInfo<MoveCase>& param) { return param.param.name; });

TEST(PlanMoveTest, WritesCellsAgainWhenThatIsShorter) {
    const FakeRewriter rewriter(10);
    const MotionBytes forward = PlanMove(Coord{2, 1}, {4, 1}, true, rewriter);
    EXPECT_EQ(std::string(forward.Data(), forward.Length()), "cd");
    const MotionBytes fromStart = PlanMove(Coord{9, 1}, {2, 2}, true, rewriter);
    EXPECT_EQ(std::string(fromStart.Data(), fromStart.Length()), "\n\rab");
}

TEST(PlanMoveTest, NeverWritesCellsThatCannotBeWrittenAgain) {
    const FakeRewriter rewriter(3);
    const MotionBytes forward = PlanMove(Coord{2, 1}, {4, 1}, true, rewriter);
    EXPECT_EQ(std::string(forward.Data(), forward.Length()), "\x1b[5G");
}

}  // namespace
}  // namespace conkit::host::terminal
