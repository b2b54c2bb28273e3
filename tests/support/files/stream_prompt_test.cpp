// The message box of a process without a terminal: the prompt to a pipe,
// the answer from the console.
#include "support/files/stream_prompt.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <string>

#include "conkit/files/message_boxes.hpp"
#include "conkit/host/console_host.hpp"
#include "conkit/input/number_input.hpp"
#include "conkit/output.hpp"
#include "console/host/terminal/terminal_host.hpp"
#include "tests/testing/memory_console.hpp"
#include "tests/testing/pseudo_terminal.hpp"

namespace conkit {
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

// In a child: the console on its standard input and output, as a program
// has it, whatever host the test process used before the fork.
void UseTerminalHost() {
    static host::terminal::TerminalHost terminal(
        STDIN_FILENO, STDOUT_FILENO,
        host::terminal::DetectTerminalSettings(STDIN_FILENO, STDOUT_FILENO));
    host::InstallHost(terminal);
    host::ResetConsoleState();
}

struct AnswerCase {
    const char* typed;
    std::int32_t answer;
};

class StreamAnswerTest : public testing::MemoryConsoleTest,
                         public ::testing::WithParamInterface<AnswerCase> {};

// Typed at the console's keyboard; CR is Enter.
TEST_P(StreamAnswerTest, OnlyYOrYesInAnyCaseMeansYes) {
    Type(GetParam().typed);
    Pipe output;
    EXPECT_EQ(PromptOnStreams(output.ends[1], "Go on?", "Setup", 0x24), GetParam().answer)
        << '"' << GetParam().typed << '"';
    EXPECT_EQ(output.Drain(), "Setup\nGo on?\n[y/N]\n");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, StreamAnswerTest,
    ::testing::Values(AnswerCase{"y\r", kIdYes}, AnswerCase{"yes\r", kIdYes},
                      AnswerCase{"YES\r", kIdYes}, AnswerCase{"  Yes \t\r", kIdYes},
                      AnswerCase{"Y\rn\r", kIdYes}, AnswerCase{"n\r", kIdNo},
                      AnswerCase{"no\r", kIdNo}, AnswerCase{"\r", kIdNo}, AnswerCase{"", kIdNo},
                      AnswerCase{"yess\r", kIdNo}, AnswerCase{"ye\r", kIdNo},
                      AnswerCase{"yes please\r", kIdNo}, AnswerCase{"y y\r", kIdNo},
                      AnswerCase{"y                              \r", kIdNo},
                      AnswerCase{"\ry\r", kIdNo}));

// A message prints and returns at once, a blank or missing caption left
// out; other buttons show nothing and give 0.
TEST(StreamPromptTest, MessagesPrintAndOtherButtonsShowNothing) {
    struct {
        const char* text;
        const char* caption;
        std::uint32_t style;
        std::int32_t answer;
        const char* shown;
    } const cases[] = {{"Saved.", " ", 0, kIdOk, "Saved.\n"},
                       {"Retry?", "Disk", 0x05, 0, ""},
                       {nullptr, nullptr, 0, kIdOk, "\n"}};
    for (const auto& c : cases) {
        Pipe output;
        EXPECT_EQ(PromptOnStreams(output.ends[1], c.text, c.caption, c.style), c.answer);
        EXPECT_EQ(output.Drain(), c.shown);
    }
}

// A child whose standard input and error are pipes and whose output is no
// terminal asks through the library between two number reads, with all of
// its input there from the start; its exit status tells what it read.
TEST(StreamPromptTest, WithoutATerminalTheAnswerIsTheLineAfterWhatTheConsoleReadAlready) {
    Pipe input;
    Pipe errors;
    input.Put("42\nYes\n7\n");
    input.CloseWriteEnd();
    const pid_t child = fork();
    if (child == 0) {
        dup2(input.ends[0], STDIN_FILENO);
        dup2(errors.ends[1], STDERR_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        UseTerminalHost();
        const bool first = ReadLineAsUnsigned().value == 42;
        const bool yes = AskYesNo("Proceed?") == IDYES;
        const bool second = ReadLineAsUnsigned().value == 7;
        _exit((first ? 1 : 0) + (yes ? 2 : 0) + (second ? 4 : 0));
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 7);
    EXPECT_EQ(errors.Drain(), "Proceed?\n[y/N]\n");
}

// Standard input and error on a terminal, standard output redirected, the
// console already in use (so the tty is raw): the prompt's lines start at
// the left edge and the answer is a line ended by Enter.
TEST(StreamPromptTest, WithATerminalForInputTheAnswerIsALineEndedByEnter) {
    int master = -1;
    int slave = -1;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    Pipe output;
    const pid_t child = fork();
    if (child == 0) {
        dup2(slave, STDIN_FILENO);
        dup2(slave, STDERR_FILENO);
        dup2(output.ends[1], STDOUT_FILENO);
        UseTerminalHost();
        ConsoleInit();
        _exit(AskYesNo("Proceed?"));
    }
    std::string shown;
    bool typed = false;
    int status = 0;
    for (int tries = 0; tries < 500 && waitpid(child, &status, WNOHANG) == 0; ++tries) {
        pollfd ready{master, POLLIN, 0};
        char bytes[256];
        if (poll(&ready, 1, 10) == 1 && (ready.revents & POLLIN) != 0) {
            const ssize_t got = read(master, bytes, sizeof bytes);
            shown.append(bytes, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
            if (!typed && shown.find("[y/N]\r\n") != std::string::npos) {
                typed = true;
                EXPECT_EQ(write(master, "yes\r", 4), 4);
            }
        }
        status = -1;
    }
    if (status == -1) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kIdYes);
    // The tty's own output processing turns LF into CR LF.
    EXPECT_NE(shown.find("Proceed?\r\n[y/N]\r\n"), std::string::npos) << shown;
    close(master);
    close(slave);
}

}  // namespace
}  // namespace conkit
