// What the process services cannot show with real files: a write whose
// failure stores no count, and the caption and buttons of a box. The rest
// of the file routines is tested on real files (tests/support/system).
#include <gtest/gtest.h>

#include <string>

#include "conkit/files/file_access.hpp"
#include "conkit/files/message_boxes.hpp"
#include "tests/testing/fake_system.hpp"

namespace conkit {
namespace {

// A handle the recording system hands out or is handed: a number on every
// platform, a pointer on Windows.
FileHandle Handle(std::uintptr_t number) {
    return reinterpret_cast<FileHandle>(number);
}

class RecordingSystem : public testing::FakeSystem {
  public:
    bool WriteFile(FileHandle, const void*, std::uint32_t count, std::uint32_t* written) override {
        if (setsCount) {
            *written = count - 1;
        }
        return succeed;
    }
    std::int32_t MessageBoxA(const char* text, const char* caption, std::uint32_t style) override {
        boxText = text;
        boxCaption = caption;
        boxStyle = style;
        return boxAnswer;
    }

    bool succeed = true;
    bool setsCount = true;
    std::string boxText;
    std::string boxCaption;
    std::uint32_t boxStyle = 99;
    std::int32_t boxAnswer = 0;
};

class PlatformCallsTest : public ::testing::Test {
  protected:
    RecordingSystem services;
    testing::ScopedSystem scope{services};
};

TEST_F(PlatformCallsTest, WriteGivesTheCountWhateverTheResult) {
    EXPECT_EQ(WriteFileBytes(Handle(9), "abcd", 4), 3U);
    services.succeed = false;
    EXPECT_EQ(WriteFileBytes(Handle(9), "abcd", 4), 3U);
    // A failed write that stores no count must not report the last one.
    services.setsCount = false;
    EXPECT_EQ(WriteFileBytes(Handle(9), "abcd", 4), 0U);
}

TEST_F(PlatformCallsTest, MessageBoxWithoutCaptionIsTitledWithABlank) {
    DisplayMessageBox("Saved.");
    EXPECT_EQ(services.boxText, "Saved.");
    EXPECT_EQ(services.boxCaption, " ");
    EXPECT_EQ(services.boxStyle, 0U);
    DisplayMessageBox("Saved.", "Editor");
    EXPECT_EQ(services.boxCaption, "Editor");
}

TEST_F(PlatformCallsTest, QuestionUsesYesNoWithTheQuestionMarkAndPassesTheAnswerBack) {
    for (const std::int32_t answer : {IDYES, IDNO, 0}) {
        services.boxAnswer = answer;
        EXPECT_EQ(AskYesNo("Quit?"), answer);
        EXPECT_EQ(services.boxCaption, " ");
        EXPECT_EQ(services.boxStyle, 0x24U);
    }
    static_cast<void>(AskYesNo("Quit?", "Game"));
    EXPECT_EQ(services.boxCaption, "Game");
}

}  // namespace
}  // namespace conkit
