#include "console/host/line_editor.hpp"

#include <gtest/gtest.h>

#include <string>

#include "tests/testing/memory_console.hpp"

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

std::string DeliverAll(LineEditor& editor) {
    std::string line(LineEditor::kCapacity, '\0');
    line.resize(editor.Deliver(line.data(), LineEditor::kCapacity));
    return line;
}

TEST(LineEditorTest, BackspaceAtTheStartDoesNothing) {
    LineEditor editor;
    RecordingEcho echo;
    editor.Feed(Key('\b', 0x08), &echo);
    editor.Feed(Key('a'), &echo);
    EXPECT_TRUE(editor.Feed(Key('\r', 0x0D), &echo));
    EXPECT_EQ(echo.echoed, "a\r\n");
    EXPECT_EQ(DeliverAll(editor), "a\r\n");
}

TEST(LineEditorTest, ReleasesControlKeysAndKeysWithoutCharactersAreIgnored) {
    LineEditor editor;
    InputRecord release = Key('a');
    release.key.keyDown = 0;
    EXPECT_FALSE(editor.Feed(release, nullptr));
    EXPECT_FALSE(editor.Feed(Key(0, 0x10), nullptr));
    EXPECT_FALSE(editor.Feed(Key(0x01, 0x41), nullptr));
    EXPECT_TRUE(editor.Feed(Key('\r', 0x0D), nullptr));
    EXPECT_EQ(DeliverAll(editor), "\r\n");
}

TEST(LineEditorTest, AFullLineRefusesMoreTypingButStillEnds) {
    LineEditor editor;
    for (std::uint32_t i = 0; i < LineEditor::kCapacity + 10; ++i) {
        editor.Feed(Key('x'), nullptr);
    }
    EXPECT_TRUE(editor.Feed(Key('\r', 0x0D), nullptr));
    const std::string line = DeliverAll(editor);
    EXPECT_EQ(line.size(), LineEditor::kCapacity);
    EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
}

TEST(LineEditorTest, KeysWaitWhileALineIsBeingDelivered) {
    LineEditor editor;
    editor.Feed(Key('a'), nullptr);
    editor.Feed(Key('\r', 0x0D), nullptr);
    EXPECT_FALSE(editor.Feed(Key('b'), nullptr));
    char piece[2];
    EXPECT_EQ(editor.Deliver(piece, 2), 2U);
    EXPECT_TRUE(editor.HasDelivery());
    EXPECT_EQ(editor.Deliver(piece, 2), 1U);
    EXPECT_FALSE(editor.HasDelivery());
}

}  // namespace
}  // namespace conkit::host
