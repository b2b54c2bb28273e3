// The file and message-box routines make one call of the process services
// each, with fixed arguments, and pass its result back.
#include <gtest/gtest.h>

#include <array>
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
    FileHandle CreateFileA(const char* name, std::uint32_t access, std::uint32_t shareMode,
                           std::uint32_t disposition, std::uint32_t attributes) override {
        openedName = name;
        openArguments = {access, shareMode, disposition, attributes};
        return Handle(42);
    }
    bool ReadFile(FileHandle file, void*, std::uint32_t count, std::uint32_t* read) override {
        handle = file;
        requested = count;
        *read = count / 2;
        return succeed;
    }
    bool WriteFile(FileHandle file, const void*, std::uint32_t count,
                   std::uint32_t* written) override {
        handle = file;
        if (setsCount) {
            *written = count - 1;
        }
        return succeed;
    }
    bool CloseHandle(FileHandle file) override {
        handle = file;
        return succeed;
    }
    std::uint32_t GetLastError() override { return 38; }
    std::int32_t MessageBoxA(const char* text, const char* caption, std::uint32_t style) override {
        boxText = text;
        boxCaption = caption;
        boxStyle = style;
        return boxAnswer;
    }

    std::string openedName;
    std::array<std::uint32_t, 4> openArguments{};
    FileHandle handle{};
    std::uint32_t requested = 0;
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

TEST_F(PlatformCallsTest, OpensWithFixedAccessShareModeAndDisposition) {
    EXPECT_EQ(OpenFileForReading("in.txt"), Handle(42));
    EXPECT_EQ(services.openedName, "in.txt");
    EXPECT_EQ(services.openArguments, (std::array<std::uint32_t, 4>{0x80000000, 0, 3, 0x80}));
    EXPECT_EQ(OpenFileForWriting("out.txt"), Handle(42));
    EXPECT_EQ(services.openedName, "out.txt");
    EXPECT_EQ(services.openArguments, (std::array<std::uint32_t, 4>{0x40000000, 0, 2, 0x80}));
}

TEST_F(PlatformCallsTest, ReadGivesTheCountOrTheLastError) {
    char buffer[10];
    FileReadResult result = ReadFileBytes(Handle(7), buffer, 10);
    EXPECT_EQ(services.handle, Handle(7));
    EXPECT_EQ(services.requested, 10U);
    EXPECT_TRUE(result.succeeded);
    EXPECT_EQ(result.value, 5U);
    services.succeed = false;
    result = ReadFileBytes(Handle(7), buffer, 10);
    EXPECT_FALSE(result.succeeded);
    EXPECT_EQ(result.value, 38U);
}

TEST_F(PlatformCallsTest, WriteGivesTheCountWhateverTheResult) {
    EXPECT_EQ(WriteFileBytes(Handle(9), "abcd", 4), 3U);
    services.succeed = false;
    EXPECT_EQ(WriteFileBytes(Handle(9), "abcd", 4), 3U);
    // A failed write that stores no count must not report the last one.
    services.setsCount = false;
    EXPECT_EQ(WriteFileBytes(Handle(9), "abcd", 4), 0U);
}

TEST_F(PlatformCallsTest, CloseGivesThePlatformsResult) {
    EXPECT_TRUE(ReleaseFileHandle(Handle(5)));
    EXPECT_EQ(services.handle, Handle(5));
    services.succeed = false;
    EXPECT_FALSE(ReleaseFileHandle(Handle(5)));
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
