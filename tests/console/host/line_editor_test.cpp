#include "console/host/line_editor.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/testing/memory_console.hpp"
#include "tests/testing/screen_echo.hpp"

namespace conkit::host {
namespace {

class RecordingEcho final : public EchoTarget {
  public:
    void Echo(const char* chars, std::uint32_t count) override { echoed.append(chars, count); }
    std::string echoed;
};

InputRecord Key(std::uint8_t character, std::uint16_t virtualKey = 0) {
    return {kKeyEvent, testing::KeyDown(virtualKey != 0 ? virtualKey : character, 0, character)};
}

// A key that produces no character, named by its virtual-key code.
InputRecord Special(std::uint16_t virtualKey) {
    return {kKeyEvent, testing::KeyDown(virtualKey, 0, 0)};
}

const InputRecord kEnter = Key('\r', 0x0D);
const InputRecord kBackspace = Key('\b', 0x08);
const InputRecord kEscape = Key(0x1B, 0x1B);
const InputRecord kCtrlU = {kKeyEvent, testing::KeyDown('U', 0x16, 0x15, kLeftCtrlPressed)};
const InputRecord kEnd = Special(0x23);
const InputRecord kHome = Special(0x24);
const InputRecord kLeft = Special(0x25);
const InputRecord kUp = Special(0x26);
const InputRecord kRight = Special(0x27);
const InputRecord kDown = Special(0x28);
const InputRecord kDelete = Special(0x2E);

std::vector<InputRecord> Text(const std::string& text) {
    std::vector<InputRecord> keys;
    for (const char c : text) {
        keys.push_back(Key(static_cast<std::uint8_t>(c)));
    }
    return keys;
}

std::vector<InputRecord> operator+(std::vector<InputRecord> keys, const InputRecord& key) {
    keys.push_back(key);
    return keys;
}

std::vector<InputRecord> operator+(std::vector<InputRecord> keys,
                                   const std::vector<InputRecord>& more) {
    keys.insert(keys.end(), more.begin(), more.end());
    return keys;
}

std::string DeliverAll(LineEditor& editor) {
    std::string line(LineEditor::kCapacity, '\0');
    line.resize(editor.Deliver(line.data(), LineEditor::kCapacity));
    return line;
}

// An editor echoing on a screen where a prompt stands before the line.
class EditorOnScreenTest : public ::testing::Test {
  protected:
    explicit EditorOnScreenTest(std::uint16_t columns = 40, std::uint16_t promptLength = 5)
        : echo_(columns, 3), promptLength_(promptLength) {
        Prompt();
    }

    void Prompt() {
        echo_.screen.Write(std::string(promptLength_, '>').data(), promptLength_);
        start_ = echo_.screen.Cursor();
    }

    // Feeds the keys, checking after each that the screen shows the line;
    // Enter ends the feeding and prompts for the next line.
    void Feed(const std::vector<InputRecord>& keys) {
        for (const InputRecord& key : keys) {
            if (editor_.Feed(key, &echo_)) {
                Prompt();
                return;
            }
            ASSERT_EQ(testing::CheckShowsLine(echo_.screen, start_, editor_.Line(),
                                              editor_.CursorIndex()),
                      "");
        }
    }

    std::string Row(std::uint16_t row) const {
        std::string text;
        for (std::uint16_t column = 0; column < echo_.screen.Columns(); ++column) {
            text.push_back(static_cast<char>(echo_.screen.At(column, row).character));
        }
        return text;
    }

    LineEditor editor_;
    testing::ScreenEcho echo_;
    std::uint16_t promptLength_;
    Coord start_{};
};

struct EditCase {
    const char* name;
    std::vector<InputRecord> keys;
    std::string line;
    friend void PrintTo(const EditCase& c, std::ostream* os) { *os << c.line; }
};

class EditingKeysTest : public EditorOnScreenTest,
                        public ::testing::WithParamInterface<EditCase> {};

TEST_P(EditingKeysTest, ChangeTheLineAtTheCursorAndTheScreenFollows) {
    Feed(GetParam().keys + kEnter);
    EXPECT_EQ(DeliverAll(editor_), GetParam().line + "\r\n");
    EXPECT_EQ(echo_.screen.Cursor(), (Coord{5, 1}));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EditingKeysTest,
    ::testing::Values(
        EditCase{"TypingInsertsAtTheCursor", Text("abc") + kLeft + kLeft + Text("XY"), "aXYbc"},
        EditCase{"HomeThenTyping", Text("abc") + kHome + Text("X"), "Xabc"},
        EditCase{"EndAfterHome", Text("abc") + kHome + kEnd + Text("X"), "abcX"},
        EditCase{"RightStopsAtTheEnd",
                 Text("abc") + kHome + kRight + kRight + kRight + kRight + Text("d"), "abcd"},
        EditCase{"LeftStopsAtTheStart", Text("ab") + kLeft + kLeft + kLeft + Text("X"), "Xab"},
        EditCase{"DeleteTakesTheCharacterUnderTheCursor", Text("abc") + kHome + kDelete, "bc"},
        EditCase{"DeleteAtTheEndDoesNothing", Text("abc") + kDelete, "abc"},
        EditCase{"BackspaceMidLine", Text("abcd") + kLeft + kLeft + kBackspace, "acd"},
        EditCase{"BackspaceAtTheStartDoesNothing", Text("ab") + kHome + kBackspace, "ab"},
        EditCase{"EscapeClearsTheLine", Text("abc") + kLeft + kEscape + Text("d"), "d"},
        EditCase{"CtrlUClearsTheLine", Text("abc") + kCtrlU + Text("d"), "d"},
        EditCase{"ATabIsKeptAndShownAsABlank", Text("a\tb") + kHome + Text("x"), "xa\tb"},
        EditCase{"UpWithoutHistoryDoesNothing", Text("ab") + kUp + kDown + Text("c"), "abc"},
        EditCase{"OtherControlCharactersAreIgnored", Text("a\x01\x07") + Text("b"), "ab"}),
    [](const ::testing::TestParamInfo<EditCase>& param) { return std::string(param.param.name); });

class HistoryTest : public EditorOnScreenTest {
  protected:
    void Enter(const std::string& line) {
        Feed(Text(line) + kEnter);
        DeliverAll(editor_);
    }

    std::string Recall(const std::vector<InputRecord>& keys) {
        Feed(keys + kEnter);
        return DeliverAll(editor_);
    }
};

TEST_F(HistoryTest, UpAndDownWalkThroughEarlierLines) {
    Enter("one");
    Enter("two");
    Enter("two");
    Enter("");
    EXPECT_EQ(Recall({kUp}), "two\r\n");
    EXPECT_EQ(Recall({kUp, kUp, kUp}), "one\r\n");
    EXPECT_EQ(Recall({kUp, kUp, kUp, kDown}), "two\r\n");
    EXPECT_EQ(Recall({kUp, kDown}), "\r\n");
    EXPECT_EQ(Recall({kDown}), "\r\n");
}

TEST_F(HistoryTest, EditingARecalledLineKeepsTheEntryAndAddsTheNewLine) {
    Enter("abc");
    EXPECT_EQ(Recall({kUp, kBackspace, Key('X')}), "abX\r\n");
    EXPECT_EQ(Recall({kUp, kUp}), "abc\r\n");
}

TEST_F(HistoryTest, KeepsOnlyTheNewestLines) {
    for (int i = 0; i < 20; ++i) {
        Enter("line" + std::to_string(i));
    }
    std::vector<InputRecord> keys(LineHistory::kLines + 2, kUp);
    EXPECT_EQ(Recall(keys), "line" + std::to_string(20 - LineHistory::kLines) + "\r\n");
}

// Prompt of 8 on a row of 20: 11 cells for the line, the last one kept free.
class LongLineTest : public EditorOnScreenTest {
  protected:
    LongLineTest() : EditorOnScreenTest(20, 8) {}
};

TEST_F(LongLineTest, ALineLongerThanTheRowScrollsSidewaysInsteadOfWrapping) {
    Feed(Text("abcdefghijklmno"));
    EXPECT_EQ(Row(0), ">>>>>>>>efghijklmno ");
    Feed({kHome});
    EXPECT_EQ(Row(0), ">>>>>>>>abcdefghijk ");
    EXPECT_EQ(echo_.screen.Cursor(), (Coord{8, 0}));
    Feed(Text("X") + kEnd);
    EXPECT_EQ(Row(0), ">>>>>>>>efghijklmno ");
    Feed({kBackspace, kBackspace, kBackspace, kBackspace, kBackspace, kBackspace});
    EXPECT_EQ(Row(0), ">>>>>>>>Xabcdefghi  ");
    Feed({kEnter});
    EXPECT_EQ(DeliverAll(editor_), "Xabcdefghi\r\n");
}

TEST_F(LongLineTest, RecallingALongLineShowsItsEnd) {
    Feed(Text("0123456789abcdef") + kEnter);
    DeliverAll(editor_);
    Feed(Text("x") + kUp);
    EXPECT_EQ(Row(1), ">>>>>>>>56789abcdef ");
}

TEST(EditorRoomTest, ALineBeginsOnTheNextRowWhenLittleRoomIsLeft) {
    testing::ScreenEcho echo(20, 3);
    echo.screen.Write("0123456789abcd", 14);
    LineEditor editor;
    editor.Feed(Key('x'), &echo);
    EXPECT_EQ(echo.screen.Cursor(), (Coord{1, 1}));
    EXPECT_EQ(testing::CheckShowsLine(echo.screen, {0, 1}, editor.Line(), editor.CursorIndex()),
              "");
}

TEST(EditorEchoTest, WithoutALayoutTheLineIsEchoedAsIfRowsNeverEnded) {
    LineEditor editor;
    RecordingEcho echo;
    for (const InputRecord& key : Text("abc") + kLeft + kLeft + Text("X") + kEnd + kBackspace) {
        editor.Feed(key, &echo);
    }
    EXPECT_EQ(echo.echoed, "abc\b\bXbc\b\bbc\b \b");
}

TEST(EditorEchoTest, WithoutEchoTheKeysStillEdit) {
    LineEditor editor;
    for (const InputRecord& key : Text("abc") + kHome + kDelete + kEnd + Text("d") + kEnter) {
        editor.Feed(key, nullptr);
    }
    EXPECT_EQ(DeliverAll(editor), "bcd\r\n");
}

TEST(LineEditorTest, ReleasesControlKeysAndKeysWithoutCharactersAreIgnored) {
    LineEditor editor;
    InputRecord release = Key('a');
    release.key.keyDown = 0;
    EXPECT_FALSE(editor.Feed(release, nullptr));
    EXPECT_FALSE(editor.Feed(Key(0, 0x10), nullptr));
    EXPECT_FALSE(editor.Feed(Key(0x01, 0x41), nullptr));
    EXPECT_TRUE(editor.Feed(kEnter, nullptr));
    EXPECT_EQ(DeliverAll(editor), "\r\n");
}

TEST(LineEditorTest, AFullLineRefusesMoreTypingButStillEnds) {
    LineEditor editor;
    for (std::uint32_t i = 0; i < LineEditor::kCapacity + 10; ++i) {
        editor.Feed(Key('x'), nullptr);
    }
    editor.Feed(kHome, nullptr);
    editor.Feed(Key('y'), nullptr);
    EXPECT_TRUE(editor.Feed(kEnter, nullptr));
    const std::string line = DeliverAll(editor);
    EXPECT_EQ(line, std::string(LineEditor::kCapacity - 2, 'x') + "\r\n");
}

TEST(LineEditorTest, KeysWaitWhileALineIsBeingDelivered) {
    LineEditor editor;
    editor.Feed(Key('a'), nullptr);
    editor.Feed(kEnter, nullptr);
    EXPECT_FALSE(editor.Feed(Key('b'), nullptr));
    char piece[2];
    EXPECT_EQ(editor.Deliver(piece, 2), 2U);
    EXPECT_TRUE(editor.HasDelivery());
    EXPECT_EQ(editor.Deliver(piece, 2), 1U);
    EXPECT_FALSE(editor.HasDelivery());
}

}  // namespace
}  // namespace conkit::host
