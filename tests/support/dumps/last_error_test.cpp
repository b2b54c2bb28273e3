#include "conkit/dumps/last_error.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "conkit/system/system_services.hpp"
#include "tests/support/dumps/dump_console.hpp"
#include "tests/testing/fake_system.hpp"

namespace conkit {
namespace {

// A system that knows the text of one code and records what is asked of it.
class TextSystem : public testing::FakeSystem {
  public:
    TextSystem(std::uint32_t lastError, std::uint32_t knownCode, const char* text)
        : lastError_(lastError), knownCode_(knownCode), text_(text) {}

    std::uint32_t GetLastError() override { return lastError_; }
    std::uint32_t FormatMessageA(std::uint32_t flags, std::uint32_t code, char** text) override {
        flags_.push_back(flags);
        if (code != knownCode_) {
            return 0;
        }
        *text = text_.data();
        return static_cast<std::uint32_t>(std::strlen(text_.data()));
    }
    void LocalFree(char* text) override { freed_.push_back(text); }

    void SetLastError(std::uint32_t code) { lastError_ = code; }
    const std::vector<std::uint32_t>& Flags() const { return flags_; }
    const std::vector<char*>& Freed() const { return freed_; }
    char* Text() { return text_.data(); }

  private:
    std::uint32_t lastError_;
    std::uint32_t knownCode_;
    std::string text_;
    std::vector<std::uint32_t> flags_;
    std::vector<char*> freed_;
};

class LastErrorTest : public testing::DumpConsoleTest {};

TEST_F(LastErrorTest, WritesTheCodeAndTheSystemTextAndFreesIt) {
    TextSystem system(2, 2, "The system cannot find the file specified.\r\n");
    testing::ScopedSystem installed(system);
    ReportLastError();
    EXPECT_EQ(Written(), "Error 2: The system cannot find the file specified.\r\n");
    EXPECT_EQ(system.Flags(), std::vector<std::uint32_t>{0x1100});
    EXPECT_EQ(system.Freed(), std::vector<char*>{system.Text()});
}

// Counts the console writes made before the last error was fetched.
class WatchedSystem : public TextSystem {
  public:
    explicit WatchedSystem(const host::memory::MemoryHost& console)
        : TextSystem(2, 2, "text"), console_(console) {}
    std::uint32_t GetLastError() override {
        for (const host::memory::LogEntry& entry : console_.Log()) {
            writesBeforeFetch += entry.operation == host::memory::Operation::writeConsole ? 1 : 0;
        }
        return TextSystem::GetLastError();
    }
    int writesBeforeFetch = 0;

  private:
    const host::memory::MemoryHost& console_;
};

TEST_F(LastErrorTest, CodeIsFetchedBeforeAnythingIsWritten) {
    WatchedSystem system(console());
    testing::ScopedSystem installed(system);
    ReportLastError();
    EXPECT_EQ(system.writesBeforeFetch, 0);
    EXPECT_EQ(Written(), "Error 2: text");
}

TEST_F(LastErrorTest, CodeWithoutTextGetsTheNumberAloneAndNothingFreed) {
    TextSystem system(9999, 2, "known");
    testing::ScopedSystem installed(system);
    ReportLastError();
    EXPECT_EQ(Written(), "Error 9999: ");
    EXPECT_TRUE(system.Freed().empty());
}

TEST_F(LastErrorTest, TextOfAnEarlierCallIsNeitherWrittenNorFreedAgain) {
    TextSystem system(2, 2, "known");
    testing::ScopedSystem installed(system);
    ReportLastError();
    system.SetLastError(9999);
    console().ClearTrace();
    ReportLastError();
    EXPECT_EQ(Written(), "Error 9999: ");
    EXPECT_EQ(system.Freed().size(), 1U);
}

TEST_F(LastErrorTest, CodeIsWrittenUnsigned) {
    TextSystem system(0xFFFFFFFF, 2, "known");
    testing::ScopedSystem installed(system);
    ReportLastError();
    EXPECT_EQ(Written(), "Error 4294967295: ");
}

}  // namespace
}  // namespace conkit
