#include "conkit/files/console_message_box.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/testing/memory_console.hpp"

namespace conkit {
namespace {

using testing::KeyDown;

constexpr std::uint32_t kOk = 0x00;
constexpr std::uint32_t kYesNo = 0x24;

const host::KeyEventRecord kEnterKey = KeyDown(0x0D, 0x1C, '\r');
const host::KeyEventRecord kSpaceKey = KeyDown(0x20, 0x39, ' ');
const host::KeyEventRecord kEscapeKey = KeyDown(0x1B, 0x01, 0x1B);
const host::KeyEventRecord kTabKey = KeyDown(0x09, 0x0F, '\t');
const host::KeyEventRecord kLeftKey = KeyDown(0x25, 0x4B, 0);
const host::KeyEventRecord kRightKey = KeyDown(0x27, 0x4D, 0);

// The screen's cells as text, the frame's glyphs shown as + = |.
std::string Shown(const host::memory::MemoryHost& console, std::uint16_t left, std::uint16_t top,
                  std::uint16_t columns, std::uint16_t rows) {
    std::string text;
    for (std::uint16_t row = top; row < top + rows; ++row) {
        for (std::uint16_t column = left; column < left + columns; ++column) {
            const std::uint8_t ch = console.Screen().At(column, row).character;
            text += ch == 0xC9 || ch == 0xBB || ch == 0xC8 || ch == 0xBC ? '+'
                    : ch == 0xCD                                         ? '='
                    : ch == 0xBA                                         ? '|'
                                                                         : static_cast<char>(ch);
        }
        text += '\n';
    }
    return text;
}

std::vector<host::Cell> AllCells(const host::memory::MemoryHost& console) {
    std::vector<host::Cell> cells;
    for (std::uint16_t row = 0; row < console.Screen().Rows(); ++row) {
        for (std::uint16_t column = 0; column < console.Screen().Columns(); ++column) {
            cells.push_back(console.Screen().At(column, row));
        }
    }
    return cells;
}

class ConsoleMessageBoxTest : public testing::MemoryConsoleTest {
  protected:
    explicit ConsoleMessageBoxTest(std::uint16_t columns = 80, std::uint16_t rows = 25)
        : MemoryConsoleTest(columns, rows) {
        console().SetIdleLimitMs(1000);
    }

    // Keys arrive 20 ms apart, each after the box has polled the one before.
    void Press(std::initializer_list<host::KeyEventRecord> keys) {
        for (const host::KeyEventRecord& key : keys) {
            nextKeyMs_ += 20;
            console().Schedule(nextKeyMs_, {host::kKeyEvent, key});
        }
    }

    // Fills every cell with its own character and attribute.
    void Paint() {
        host::ScreenBuffer& screen = console().Screen();
        for (std::uint16_t row = 0; row < screen.Rows(); ++row) {
            for (std::uint16_t column = 0; column < screen.Columns(); ++column) {
                const auto ch = static_cast<char>('!' + (row * 7 + column) % 90);
                const auto attribute = static_cast<std::uint16_t>((row + column) % 256);
                screen.PutCharacters(&ch, 1, {column, row});
                screen.PutAttributes(&attribute, 1, {column, row});
            }
        }
    }

  private:
    std::uint64_t nextKeyMs_ = 0;
};

TEST_F(ConsoleMessageBoxTest, QuestionWithCaptionIsCentredWithYesChosen) {
    Press({kRightKey});
    EXPECT_THROW(ShowConsoleMessageBox("Save changes?", "Editor", kYesNo), host::InputExhausted);
    EXPECT_EQ(Shown(console(), 30, 10, 19, 5),
              "+==== Editor =====+\n"
              "| Save changes?   |\n"
              "|                 |\n"
              "| [ Yes ]  [ No ] |\n"
              "+=================+\n");
    EXPECT_EQ(console().Screen().At(30, 10).attribute, 0x70);
    EXPECT_EQ(console().Screen().At(48, 14).attribute, 0x70);
    // Right moved the choice to No: the highlight and the cursor follow it.
    EXPECT_EQ(console().Screen().At(32, 13).attribute, 0x70);
    EXPECT_EQ(console().Screen().At(41, 13).attribute, 0x1F);
    EXPECT_EQ(console().Screen().At(46, 13).attribute, 0x1F);
    EXPECT_EQ(console().Screen().Cursor(), (host::Coord{43, 13}));
    EXPECT_EQ(console().Screen().At(29, 10).character, ' ');
}

TEST_F(ConsoleMessageBoxTest, BlankCaptionShowsABlankTitle) {
    EXPECT_THROW(ShowConsoleMessageBox("Done.", " ", kOk), host::InputExhausted);
    EXPECT_EQ(Shown(console(), 35, 10, 10, 5),
              "+==   ===+\n"
              "| Done.  |\n"
              "|        |\n"
              "| [ OK ] |\n"
              "+========+\n");
    EXPECT_EQ(console().Screen().At(37, 13).attribute, 0x1F);
}

TEST_F(ConsoleMessageBoxTest, LongTextWrapsAtBlanksAndBreaksLongWords) {
    const std::string longWord(70, 'w');
    const std::string text =
        "one two\r\n\nthree " + longWord + " " + std::string(55, 'x') + " " + std::string(10, 'y');
    EXPECT_THROW(ShowConsoleMessageBox(text.c_str(), "Wrap", kOk), host::InputExhausted);
    // Lines of at most 60: the box is 64 wide and 11 high, from (8, 7).
    EXPECT_EQ(console().RowText(7, 8, 1), "\xC9");
    EXPECT_EQ(console().RowText(7, 36, 8), "\xCD Wrap \xCD");
    EXPECT_EQ(console().RowText(8, 8, 10), "\xBA one two ");
    EXPECT_EQ(console().RowText(9, 10, 8), "        ");
    EXPECT_EQ(console().RowText(10, 10, 8), "three   ");
    EXPECT_EQ(console().RowText(11, 10, 62), std::string(60, 'w') + " \xBA");
    EXPECT_EQ(console().RowText(12, 10, 11), std::string(10, 'w') + " ");
    EXPECT_EQ(console().RowText(13, 10, 57), std::string(55, 'x') + "  ");
    EXPECT_EQ(console().RowText(14, 10, 11), std::string(10, 'y') + " ");
    EXPECT_EQ(console().RowText(15, 8, 3), "\xBA  ");
    EXPECT_EQ(console().RowText(17, 8, 1), "\xC8");
}

TEST_F(ConsoleMessageBoxTest, TabsShowAsBlanksAndTrailingBlanksAndBreaksAreDropped) {
    EXPECT_THROW(ShowConsoleMessageBox("a\tb   \n", "", kOk), host::InputExhausted);
    EXPECT_EQ(Shown(console(), 35, 10, 10, 5),
              "+===  ===+\n"
              "| a b    |\n"
              "|        |\n"
              "| [ OK ] |\n"
              "+========+\n");
}

struct KeysCase {
    const char* name;
    std::uint32_t style;
    std::vector<host::KeyEventRecord> keys;
    std::int32_t answer;
};

class ConsoleMessageBoxKeysTest : public ConsoleMessageBoxTest,
                                  public ::testing::WithParamInterface<KeysCase> {};

TEST_P(ConsoleMessageBoxKeysTest, AnswersAsTheKeysSay) {
    for (const host::KeyEventRecord& key : GetParam().keys) {
        Press({key});
    }
    EXPECT_EQ(ShowConsoleMessageBox("Continue?", "Game", GetParam().style), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ConsoleMessageBoxKeysTest,
    ::testing::Values(
        KeysCase{"EnterTakesYes", kYesNo, {kEnterKey}, 6},
        KeysCase{"SpaceTakesYes", kYesNo, {kSpaceKey}, 6},
        KeysCase{"RightThenEnter", kYesNo, {kRightKey, kEnterKey}, 7},
        KeysCase{"LeftThenSpace", kYesNo, {kLeftKey, kSpaceKey}, 7},
        KeysCase{"TabThenEnter", kYesNo, {kTabKey, kEnterKey}, 7},
        KeysCase{"RightLeftEnter", kYesNo, {kRightKey, kLeftKey, kEnterKey}, 6},
        KeysCase{"TabTwice", kYesNo, {kTabKey, kTabKey, kEnterKey}, 6},
        KeysCase{"LetterY", kYesNo, {MakeCharacterPress('y')}, 6},
        KeysCase{"CapitalY", kYesNo, {MakeCharacterPress('Y')}, 6},
        KeysCase{"LetterN", kYesNo, {MakeCharacterPress('n')}, 7},
        KeysCase{"YAfterMovingToNo", kYesNo, {kRightKey, MakeCharacterPress('y')}, 6},
        KeysCase{"EscapeSaysNo", kYesNo, {kEscapeKey}, 7},
        KeysCase{"OtherKeysWait", kYesNo, {MakeCharacterPress('x'), kEnterKey}, 6},
        KeysCase{"OkByEnter", kOk, {kEnterKey}, 1}, KeysCase{"OkBySpace", kOk, {kSpaceKey}, 1},
        KeysCase{"OkByEscape", kOk, {kEscapeKey}, 1},
        KeysCase{"OkIgnoresNAndTab", kOk, {MakeCharacterPress('n'), kTabKey, kEnterKey}, 1}),
    [](const ::testing::TestParamInfo<KeysCase>& item) { return item.param.name; });

TEST_F(ConsoleMessageBoxTest, ClosingRestoresEveryCellTheCursorAndTheAttribute) {
    Paint();
    console().Screen().SetCursor({5, 7});
    console().Screen().SetAttribute(0x2E);
    const std::vector<host::Cell> before = AllCells(console());
    Press({kRightKey, kEnterKey});
    EXPECT_EQ(ShowConsoleMessageBox("Overwrite the file?", "Save", kYesNo), 7);
    EXPECT_EQ(AllCells(console()), before);
    EXPECT_EQ(console().Screen().Cursor(), (host::Coord{5, 7}));
    EXPECT_EQ(console().Screen().Attribute(), 0x2E);
}

TEST_F(ConsoleMessageBoxTest, NoConsoleOrOtherButtonsShowNothing) {
    EXPECT_EQ(ShowConsoleMessageBox("Retry?", "Disk", 0x05), 0);
    console().SetOutputIsConsole(false);
    EXPECT_EQ(ShowConsoleMessageBox("Retry?", "Disk", kYesNo), 0);
    for (const host::memory::LogEntry& entry : console().Log()) {
        EXPECT_NE(entry.operation, host::memory::Operation::writeOutputCharacter);
    }
}

TEST_F(ConsoleMessageBoxTest, NullTextAndCaptionShowAnEmptyBox) {
    Press({kEnterKey});
    EXPECT_EQ(ShowConsoleMessageBox(nullptr, nullptr, kOk), 1);
}

// Buffers smaller than any box: what fits is drawn, the keys still answer,
// and the cells come back.
class SmallBufferTest : public ConsoleMessageBoxTest,
                        public ::testing::WithParamInterface<host::Coord> {
  protected:
    SmallBufferTest() : ConsoleMessageBoxTest(GetParam().column, GetParam().row) {}
};

TEST_P(SmallBufferTest, AnswersAndRestoresTheCells) {
    Paint();
    const std::vector<host::Cell> before = AllCells(console());
    Press({MakeCharacterPress('n')});
    const std::string text(300, 'z');
    EXPECT_EQ(ShowConsoleMessageBox(text.c_str(), "A caption longer than the screen", kYesNo), 7);
    EXPECT_EQ(AllCells(console()), before);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SmallBufferTest,
                         ::testing::Values(host::Coord{1, 1}, host::Coord{3, 2}, host::Coord{12, 4},
                                           host::Coord{20, 6}, host::Coord{40, 3},
                                           host::Coord{200, 60}));

class ShortBufferTest : public ConsoleMessageBoxTest {
  protected:
    ShortBufferTest() : ConsoleMessageBoxTest(30, 8) {}
};

TEST_F(ShortBufferTest, TextIsCutToTheRowsLeftBesideFrameAndButtons) {
    EXPECT_THROW(ShowConsoleMessageBox("l1\nl2\nl3\nl4\nl5\nl6", "Cap", kYesNo),
                 host::InputExhausted);
    EXPECT_EQ(Shown(console(), 5, 0, 19, 8),
              "+====== Cap ======+\n"
              "| l1              |\n"
              "| l2              |\n"
              "| l3              |\n"
              "| l4              |\n"
              "|                 |\n"
              "| [ Yes ]  [ No ] |\n"
              "+=================+\n");
}

}  // namespace
}  // namespace conkit
