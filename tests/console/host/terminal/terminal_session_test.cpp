// The terminal given back on signals, in a child process whose session is
// caught starting: its start-up sequences go to a full pipe, so it is held
// with the tty already raw and the first byte not yet out.
#include "console/host/terminal/terminal_session.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstring>
#include <vector>

#include "tests/console/host/terminal/tty_modes.hpp"
#include "tests/testing/pseudo_terminal.hpp"

namespace conkit::host::terminal {
namespace {

using testing::Modes;
using testing::SameModes;

class StartingSession {
  public:
    StartingSession() {
        EXPECT_EQ(openpty(&master_, &slave_, nullptr, nullptr, nullptr), 0);
        EXPECT_EQ(pipe(output_), 0);
        user_ = Modes(slave_);
        fcntl(output_[1], F_SETFL, O_NONBLOCK);
        const char fill[4096] = {};
        while (write(output_[1], fill, sizeof fill) > 0) {
        }
        fcntl(output_[1], F_SETFL, 0);
        fcntl(output_[0], F_SETFL, O_NONBLOCK);
    }
    ~StartingSession() {
        for (const int fd : {master_, slave_, output_[0], output_[1]}) {
            close(fd);
        }
    }

    // Starts a child whose signal is at its default, as in a program that
    // set none (the sanitizers set some), and waits until its tty is raw.
    void Start(int signal) {
        child_ = fork();
        if (child_ == 0) {
            const rlimit noCore{0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
            std::signal(signal, SIG_DFL);
            // A group of its own under this process: a stop is not thrown
            // away as it is in an orphaned group, whoever runs the test.
            setpgid(0, 0);
            ArmSession({slave_, output_[1], true});
            EnterModes();
            for (;;) {
                pause();
            }
        }
        close(output_[1]);
        output_[1] = -1;
        EXPECT_TRUE(AwaitRaw());
    }

    bool AwaitRaw() const {
        for (int tries = 0; tries < 500 && (Modes(slave_).c_lflag & ICANON) != 0; ++tries) {
            usleep(10000);
        }
        return (Modes(slave_).c_lflag & ICANON) == 0;
    }

    // Sends signal, reads what the child writes until it stops, continues
    // or ends, and returns its wait status.
    int Send(int signal) const {
        kill(child_, signal);
        int status = 0;
        for (int tries = 0; tries < 500; ++tries) {
            char bytes[4096];
            while (read(output_[0], bytes, sizeof bytes) > 0) {
            }
            if (waitpid(child_, &status, WUNTRACED | WCONTINUED | WNOHANG) == child_) {
                return status;
            }
            usleep(10000);
        }
        kill(child_, SIGKILL);
        waitpid(child_, &status, 0);
        return status;
    }

    bool Restored() const { return SameModes(Modes(slave_), user_); }

  private:
    int master_ = -1;
    int slave_ = -1;
    int output_[2] = {-1, -1};
    termios user_{};
    pid_t child_ = -1;
};

TEST(SessionSignalTest, EverySignalThatEndsTheProcessRestoresTheTtyAndEndsItAsItself) {
    std::vector<int> signals = {SIGINT, SIGTERM, SIGPIPE, SIGILL, SIGTRAP,
                                SIGSYS, SIGUSR1, SIGALRM, SIGXCPU};
#if defined(SIGRTMIN)
    signals.push_back(SIGRTMIN);
#endif
#if defined(SIGEMT)
    signals.push_back(SIGEMT);
#endif
    for (const int signal : signals) {
        StartingSession session;
        session.Start(signal);
        // Once, a stop and a continue first: the tty is the user's while
        // stopped and raw again after.
        if (signal == SIGINT) {
            const int stopped = session.Send(SIGTSTP);
            EXPECT_TRUE(WIFSTOPPED(stopped));
            EXPECT_TRUE(session.Restored());
            const int continued = session.Send(SIGCONT);
            EXPECT_TRUE(WIFCONTINUED(continued));
            EXPECT_TRUE(session.AwaitRaw());
        }
        const int status = session.Send(signal);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << strsignal(signal);
        EXPECT_TRUE(session.Restored()) << strsignal(signal);
    }
}

}  // namespace
}  // namespace conkit::host::terminal
