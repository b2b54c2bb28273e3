#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

// Starts the printing program with argv and returns what it wrote.
std::string RunWithArguments(std::vector<std::string> arguments) {
    int pipeEnds[2];
    EXPECT_EQ(::pipe(pipeEnds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    EXPECT_EQ(
        posix_spawn(&child, CONKIT_PRINT_COMMAND_TAIL, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    std::string output;
    char chunk[256];
    for (ssize_t got = 0; (got = ::read(pipeEnds[0], chunk, sizeof chunk)) > 0;) {
        output.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return output;
}

TEST(PosixCommandLineTest, ShowsTheArgumentsTheProcessWasStartedWith) {
    EXPECT_EQ(RunWithArguments({"prog", "one", "two words", "", "3"}),
              "prog one \"two words\" \"\" 3\n1[one \"two words\" \"\" 3]\n");
}

TEST(PosixCommandLineTest, AQuotedProgramNameStartsTheTailWithTheBlankAfterIt) {
    EXPECT_EQ(RunWithArguments({"my prog", "x"}), "\"my prog\" x\n1[ x]\n");
}

TEST(PosixCommandLineTest, NoArgumentsMeansNoTail) {
    EXPECT_EQ(RunWithArguments({"prog"}), "prog\n0[]\n");
}

TEST(PosixCommandLineTest, AnOverLongCommandLineKeepsTheArgumentsThatFit) {
    const std::string big(20000, 'b');
    EXPECT_EQ(RunWithArguments({"prog", "a", big, big}), "prog a " + big + "\n1[a " + big + "]\n");
}

}  // namespace
