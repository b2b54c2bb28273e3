// The message box of a process without a terminal, over pipes.
#include "support/system/posix/stream_prompt.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "conkit/files/message_boxes.hpp"

namespace conkit::system {
namespace {

struct Pipe {
    Pipe() { EXPECT_EQ(pipe(ends), 0); }
    ~Pipe() {
        for (const int end : ends) {
            if (end != -1) {
                close(end);
            }
        }
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    void Put(const std::string& text) const {
        EXPECT_EQ(write(ends[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    void CloseWriteEnd() {
        close(ends[1]);
        ends[1] = -1;
    }
    // Everything written so far, once the write end is closed.
    std::string Drain() {
        CloseWriteEnd();
        std::string text;
        char buffer[256];
        ssize_t got = 0;
        while ((got = read(ends[0], buffer, sizeof buffer)) > 0) {
            text.append(buffer, static_cast<std::size_t>(got));
        }
        return text;
    }

    int ends[2] = {-1, -1};
};

struct AnswerCase {
    const char* typed;
    std::int32_t answer;
};

class StreamAnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(StreamAnswerTest, OnlyYOrYesInAnyCaseMeansYes) {
    Pipe input;
    Pipe output;
    input.Put(GetParam().typed);
    input.CloseWriteEnd();
    EXPECT_EQ(PromptOnStreams(input.ends[0], output.ends[1], "Go on?", "Setup", 0x24),
              GetParam().answer)
        << '"' << GetParam().typed << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Answers, StreamAnswerTest,
    ::testing::Values(AnswerCase{"y\n", kIdYes}, AnswerCase{"yes\n", kIdYes},
                      AnswerCase{"YES\n", kIdYes}, AnswerCase{"  Yes \r\n", kIdYes},
                      AnswerCase{"yes", kIdYes}, AnswerCase{"Y", kIdYes}, AnswerCase{"n\n", kIdNo},
                      AnswerCase{"no\n", kIdNo}, AnswerCase{"\n", kIdNo}, AnswerCase{"", kIdNo},
                      AnswerCase{"yess\n", kIdNo}, AnswerCase{"ye\n", kIdNo},
                      AnswerCase{"yes please\n", kIdNo}, AnswerCase{"y y\n", kIdNo},
                      AnswerCase{"yesyesyesyesyesyes\n", kIdNo}, AnswerCase{"\ny\n", kIdNo}));

TEST(StreamPromptTest, QuestionShowsCaptionTextAndHintAndTakesOnlyItsLine) {
    Pipe input;
    Pipe output;
    input.Put("y\nnext line\n");
    EXPECT_EQ(PromptOnStreams(input.ends[0], output.ends[1], "Delete it?", "Files", 0x24), kIdYes);
    EXPECT_EQ(output.Drain(), "Files\nDelete it?\n[y/N]\n");
    input.CloseWriteEnd();
    char rest[32] = {};
    EXPECT_EQ(read(input.ends[0], rest, sizeof rest), 10);
    EXPECT_EQ(std::string(rest), "next line\n");
}

TEST(StreamPromptTest, MessageOnlyPrintsAndBlankCaptionIsLeftOut) {
    Pipe input;
    Pipe output;
    input.Put("y\n");
    EXPECT_EQ(PromptOnStreams(input.ends[0], output.ends[1], "Saved.", " ", 0), kIdOk);
    EXPECT_EQ(output.Drain(), "Saved.\n");
    input.CloseWriteEnd();
    char rest[4] = {};
    EXPECT_EQ(read(input.ends[0], rest, sizeof rest), 2);
}

TEST(StreamPromptTest, OtherButtonsShowNothingAndGiveZero) {
    Pipe input;
    Pipe output;
    EXPECT_EQ(PromptOnStreams(input.ends[0], output.ends[1], "Retry?", "Disk", 0x05), 0);
    EXPECT_EQ(output.Drain(), "");
}

TEST(StreamPromptTest, NullTextAndCaptionPrintAnEmptyLine) {
    Pipe input;
    Pipe output;
    EXPECT_EQ(PromptOnStreams(input.ends[0], output.ends[1], nullptr, nullptr, 0), kIdOk);
    EXPECT_EQ(output.Drain(), "\n");
}

// A child whose standard input and error are pipes and whose output is no
// terminal asks through the library; its exit status is the answer.
TEST(StreamPromptTest, ProcessWithoutATerminalAsksOnStandardErrorAndInput) {
    Pipe input;
    Pipe errors;
    input.Put("Yes\n");
    input.CloseWriteEnd();
    const pid_t child = fork();
    if (child == 0) {
        dup2(input.ends[0], STDIN_FILENO);
        dup2(errors.ends[1], STDERR_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        _exit(conkit::AskYesNo("Proceed?"));
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kIdYes);
    EXPECT_EQ(errors.Drain(), "Proceed?\n[y/N]\n");
}

}  // namespace
}  // namespace conkit::system
