// The terminal host on a pseudo-terminal and on pipes: tty modes, protocols,
// key and line input, output economy, wrapping and resizing, plain output.
#include "console/host/terminal/terminal_host.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pthread.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <string>
#include <thread>

#include "conkit/keys.hpp"
#include "console/host/terminal/terminal_session.hpp"

#include "tests/console/host/terminal/piped_terminal.hpp"
#include "tests/console/host/terminal/pty_terminal.hpp"
#include "tests/console/host/terminal/tty_modes.hpp"
#include "tests/testing/console_calls.hpp"

namespace conkit::host::terminal::testing {
namespace {

constexpr Handle kIn = TerminalHost::kInputHandle;
constexpr Handle kOut = TerminalHost::kOutputHandle;

void Write(ConsoleHost& host, const std::string& text) {
    conkit::testing::WriteText(host, kOut, text);
}

std::string Read(ConsoleHost& host, std::uint32_t count) {
    return conkit::testing::ReadText(host, kIn, count);
}

// Waits (within a second) until the host's side of the pty has bytes to read.
void AwaitTyped(int slave) {
    pollfd ready{slave, POLLIN, 0};
    ::poll(&ready, 1, 1000);
}

// A key event with its character, from a peek; 0 when none is queued.
std::uint8_t PeekCharacter(ConsoleHost& host) {
    InputRecord record;
    std::uint32_t count = 0;
    host.PeekConsoleInputA(kIn, &record, 1, &count);
    return count == 1 ? record.key.character : 0;
}

TEST(TerminalModesTest, OutputLeavesTheTtyAloneAndTheFirstKeyReadEntersTheSessionModes) {
    PtyTerminal terminal;
    const termios before = Modes(terminal.Slave());
    Write(terminal.Host(), "text\r\n");
    EXPECT_TRUE(SameModes(Modes(terminal.Slave()), before));
    EXPECT_EQ(terminal.Drain(), "\x1b[0mtext\r\n");
    PeekCharacter(terminal.Host());
    const termios during = Modes(terminal.Slave());
    EXPECT_EQ(during.c_lflag & (ICANON | ECHO), 0U);
    EXPECT_NE(during.c_lflag & ISIG, 0U);
    EXPECT_EQ(during.c_oflag & OPOST, 0U);
    EXPECT_EQ(during.c_iflag & ICRNL, 0U);
    EXPECT_EQ(during.c_cc[VMIN], 1);
    const std::string shown = terminal.Finish();
    EXPECT_TRUE(SameModes(Modes(terminal.Slave()), before));
    EXPECT_NE(shown.find("\x1b[?9001l\x1b[?1036l"), std::string::npos);
}

TEST(TerminalModesTest, WaitingInModeZeroTurnsTheSignalKeysOffSoCtrlCIsAKey) {
    PtyTerminal terminal;
    TerminalHost& host = terminal.Host();
    host.SetConsoleMode(kIn, 0);
    PeekCharacter(host);
    host.Sleep(0);
    EXPECT_EQ(Modes(terminal.Slave()).c_lflag & ISIG, 0U);
    terminal.Type("\x03");
    AwaitTyped(terminal.Slave());
    EXPECT_EQ(PeekCharacter(host), 0x03);
    host.SetConsoleMode(kIn, kDefaultInputMode);
    host.Sleep(0);
    EXPECT_NE(Modes(terminal.Slave()).c_lflag & ISIG, 0U);
}

TEST(TerminalModesTest, AModePutBackBeforeAnyWaitNeverReachesTheTty) {
    PtyTerminal terminal;
    TerminalHost& host = terminal.Host();
    host.GetStdHandle(StdHandle::input);
    host.SetConsoleMode(kIn, 0);
    PeekCharacter(host);
    EXPECT_NE(Modes(terminal.Slave()).c_lflag & ISIG, 0U);
    host.SetConsoleMode(kIn, kDefaultInputMode);
    host.Sleep(0);
    EXPECT_NE(Modes(terminal.Slave()).c_lflag & ISIG, 0U);
}

TEST(TerminalProtocolsTest, KittyFlagsArePushedWhenTheTerminalAnswersAndPoppedAtTheEnd) {
    PtyTerminal terminal;
    PeekCharacter(terminal.Host());
    const std::string startup = terminal.Drain();
    EXPECT_NE(startup.find("\x1b[?9001h\x1b[?1036h"), std::string::npos);
    // The kitty query can be taken for "restore the cursor": it is asked
    // after the cursor's position, between a save and a restore.
    EXPECT_NE(startup.find("\x1b[6n\x1b"
                           "7\x1b[?u\x1b"
                           "8\x1b[?2026$p\x1b[c"),
              std::string::npos);
    terminal.Type("\x1b[?0u\x1b[?62;22c");
    AwaitTyped(terminal.Slave());
    EXPECT_EQ(PeekCharacter(terminal.Host()), 0);
    EXPECT_NE(terminal.Drain().find("\x1b[>31u"), std::string::npos);
    EXPECT_NE(terminal.Finish().find("\x1b[<u"), std::string::npos);
}

TEST(TerminalProtocolsTest, NoKittyFlagsWhenOnlyTheDeviceAttributesAnswer) {
    PtyTerminal terminal;
    PeekCharacter(terminal.Host());
    terminal.Drain();
    terminal.Type("\x1b[?62;22c");
    AwaitTyped(terminal.Slave());
    PeekCharacter(terminal.Host());
    EXPECT_EQ(terminal.Drain().find("\x1b[>"), std::string::npos);
    EXPECT_EQ(terminal.Finish().find("\x1b[<u"), std::string::npos);
}

TEST(TerminalInputTest, KeysArriveAsEventsAndFlushDropsTheQueueAndTheReadableBytes) {
    PtyTerminal terminal;
    TerminalHost& host = terminal.Host();
    terminal.Type("g");
    AwaitTyped(terminal.Slave());
    EXPECT_EQ(PeekCharacter(host), 'g');
    terminal.Type("abc");
    AwaitTyped(terminal.Slave());
    host.FlushConsoleInputBuffer(kIn);
    EXPECT_EQ(PeekCharacter(host), 0);
}

TEST(TerminalInputTest, AnEscapeSplitByAFlushIsStillTheEscapeKey) {
    PtyTerminal terminal;
    TerminalHost& host = terminal.Host();
    host.GetStdHandle(StdHandle::input);
    terminal.Type("\x1b");
    AwaitTyped(terminal.Slave());
    host.FlushConsoleInputBuffer(kIn);
    host.Sleep(decoding::KeyDecoder::kEscapeTimeout.count() + 5);
    EXPECT_EQ(PeekCharacter(host), 0x1B);
}

TEST(TerminalInputTest, LineInputEchoesEditsAndDeliversTheLineWithCarriageReturnLineFeed) {
    PtyTerminal terminal;
    TerminalHost& host = terminal.Host();
    // Keys typed before the first read are the tty's own to echo.
    PeekCharacter(host);
    Write(host, "> ");
    terminal.Type(
        "ab\x7f"
        "c\r");
    EXPECT_EQ(Read(host, 80), "ac\r\n");
    terminal.Drain();
    EXPECT_EQ(terminal.Screen().RowText(0).substr(0, 5), "> ac ");
    EXPECT_EQ(terminal.Screen().Cursor(), (Coord{0, 1}));
}

TEST(TerminalInputTest, ATypedLineIsAsLongAsTheReadAsksFor) {
    PtyTerminal terminal;
    TerminalHost& host = terminal.Host();
    PeekCharacter(host);
    terminal.Type(std::string(700, 'a') + "\r");
    EXPECT_EQ(Read(host, 1000), std::string(700, 'a') + "\r\n");
}

TEST(TerminalInputTest, ModeZeroReadsGiveTheCharactersAsTyped) {
    PtyTerminal terminal;
    TerminalHost& host = terminal.Host();
    host.SetConsoleMode(kIn, 0);
    PeekCharacter(host);
    terminal.Type("x");
    EXPECT_EQ(Read(host, 80), "x");
    terminal.Drain();
    EXPECT_EQ(terminal.Screen().RowText(0).substr(0, 2), "  ");
}

TEST(TerminalInputTest, AHangUpGivesLineReadsNothing) {
    PtyTerminal terminal;
    terminal.Host().GetStdHandle(StdHandle::input);
    terminal.HangUp();
    EXPECT_EQ(Read(terminal.Host(), 80), "");
}

TEST(TerminalInputDeathTest, WaitingForAKeyAfterAHangUpEndsTheProcessWithAMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            PtyTerminal terminal;
            terminal.Host().GetStdHandle(StdHandle::input);
            terminal.HangUp();
            for (;;) {
                PeekCharacter(terminal.Host());
            }
        },
        ::testing::ExitedWithCode(kInputEndedStatus), ": terminal hung up\n");
}

TEST(TerminalInputDeathTest, WaitingForAKeyAtTheEndOfPipedInputEndsTheProcessWithAMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            PipedTerminal terminal({80, 25});
            for (;;) {
                PeekCharacter(terminal.Host());
            }
        },
        ::testing::ExitedWithCode(kInputEndedStatus), ": input ended\n");
}

// A host reading from a pipe that holds text and is then closed.
class PipedInput {
  public:
    explicit PipedInput(const std::string& text) {
        int fds[2];
        EXPECT_EQ(::pipe(fds), 0);
        EXPECT_EQ(::write(fds[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
        ::close(fds[1]);
        input_ = fds[0];
        output_ = ::open("/dev/null", O_WRONLY);
        host_ = std::make_unique<TerminalHost>(input_, output_, TerminalSettings{});
    }
    ~PipedInput() {
        host_.reset();
        ::close(input_);
        ::close(output_);
    }
    TerminalHost& Host() { return *host_; }

  private:
    int input_ = -1;
    int output_ = -1;
    std::unique_ptr<TerminalHost> host_;
};

TEST(PipedInputTest, LineReadsTakeLinesFromThePipeAndGiveNothingAtItsEnd) {
    PipedInput input("first\r\nsecond\nlast");
    EXPECT_EQ(Read(input.Host(), 80), "first\r\n");
    EXPECT_EQ(Read(input.Host(), 3), "sec");
    EXPECT_EQ(Read(input.Host(), 80), "ond\r\n");
    EXPECT_EQ(Read(input.Host(), 80), "last\r\n");
    EXPECT_EQ(Read(input.Host(), 80), "");
}

TEST(PipedInputTest, ModeZeroReadsTakeTheBytesAsTheyAre) {
    PipedInput input("a\x1b[A\r\n");
    input.Host().SetConsoleMode(kIn, 0);
    EXPECT_EQ(Read(input.Host(), 80), "a\x1b[A\r\n");
    EXPECT_EQ(Read(input.Host(), 80), "");
}

TEST(PlainOutputTest, AnOutputThatIsNoTerminalGetsTheCharactersWithPosixLineEnds) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    {
        TerminalHost host(fds[0], fds[1], TerminalSettings{});
        host.SetConsoleCursorPosition(kOut, {10, 5});
        host.SetConsoleTextAttribute(kOut, 0x1E);
        Write(host, "ab\r\nc\xB0\r");
        Write(host, "\nd\re\r");
        std::uint32_t written = 0;
        host.WriteConsoleOutputCharacterA(kOut, "zz", 2, {0, 0}, &written);
        ScreenBufferInfo info;
        EXPECT_FALSE(host.GetConsoleScreenBufferInfo(kOut, &info));
    }
    ::close(fds[1]);
    char bytes[64];
    const ssize_t got = ::read(fds[0], bytes, sizeof bytes);
    ::close(fds[0]);
    EXPECT_EQ(std::string(bytes, static_cast<std::size_t>(got)), "ab\nc\xB0\nd\re\r");
}

TEST(TerminalOutputTest, AFrameGoesOutWholeAtTheNextWaitOrLineEndAndUnchangedCellsCostNothing) {
    PipedTerminal terminal({80, 25});
    TerminalHost& host = terminal.Host();
    host.SetConsoleCursorPosition(kOut, {0, 0});
    host.Sleep(0);
    const OutputStats start = host.Stats();
    host.SetConsoleTextAttribute(kOut, 0x1E);
    for (std::uint16_t row = 1; row < 5; ++row) {
        host.SetConsoleCursorPosition(kOut, {70, row});
        Write(host, "frame");
    }
    EXPECT_EQ(host.Stats().writeCalls, start.writeCalls);
    host.Sleep(0);
    EXPECT_EQ(host.Stats().writeCalls, start.writeCalls + 1);
    Write(host, "\r\nline");
    EXPECT_EQ(host.Stats().writeCalls, start.writeCalls + 2);
    const OutputStats afterWrite = host.Stats();
    host.SetConsoleCursorPosition(kOut, {70, 3});
    Write(host, "frame");
    host.SetConsoleCursorPosition(kOut, {4, 5});
    host.Sleep(0);
    EXPECT_EQ(host.Stats().bytes, afterWrite.bytes);
}

// In a child: a terminal that takes synchronized output, a frame collected
// and not yet sent, then SIGTERM.
TEST(TerminalOutputTest, AFatalSignalMidFrameSendsTheFrameAndEndsTheSynchronizedUpdate) {
    int output[2];
    ASSERT_EQ(::pipe(output), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        int master = -1;
        int slave = -1;
        ::openpty(&master, &slave, nullptr, nullptr, nullptr);
        std::signal(SIGTERM, SIG_DFL);
        TerminalSettings settings;
        settings.inputIsTty = true;
        settings.outputIsTerminal = true;
        TerminalHost host(slave, output[1], settings);
        host.SetConsoleCursorPosition(kOut, {0, 0});
        const char answers[] = "\x1b[?2026;2$y\x1b[?62c";
        static_cast<void>(::write(master, answers, sizeof answers - 1));
        AwaitTyped(slave);
        PeekCharacter(host);
        host.SetConsoleCursorPosition(kOut, {5, 5});
        Write(host, "frame");
        std::raise(SIGTERM);
        ::_exit(1);
    }
    ::close(output[1]);
    std::string shown;
    char bytes[4096];
    for (ssize_t got; (got = ::read(output[0], bytes, sizeof bytes)) > 0;) {
        shown.append(bytes, static_cast<std::size_t>(got));
    }
    ::close(output[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    const std::size_t frame = shown.find("\x1b[?2026h\x1b[6;6H");
    ASSERT_NE(frame, std::string::npos) << shown;
    EXPECT_NE(shown.find("\x1b[?2026l", shown.find("frame", frame)), std::string::npos) << shown;
}

TEST(TerminalOutputTest, ColoursAreSentOnlyWhenACellNeedsThem) {
    PipedTerminal terminal({80, 25});
    TerminalHost& host = terminal.Host();
    host.SetConsoleCursorPosition(kOut, {0, 0});
    terminal.Drain();
    host.SetConsoleTextAttribute(kOut, 0x11);
    host.SetConsoleTextAttribute(kOut, 0x1E);
    host.SetConsoleCursorPosition(kOut, {0, 0});
    Write(host, "ab");
    Write(host, "c");
    host.Sleep(0);
    EXPECT_EQ(terminal.Drain(), "\x1b[H\x1b[0;93;44mabc");
}

TEST(TerminalOutputTest, ABlockMoveUsesShortRelativeMotions) {
    PipedTerminal terminal({80, 25});
    TerminalHost& host = terminal.Host();
    host.SetConsoleTextAttribute(kOut, 0xEE);
    for (std::uint16_t row = 1; row <= 2; ++row) {
        for (std::uint16_t column = 1; column <= 3; ++column) {
            host.SetConsoleCursorPosition(kOut, {column, row});
            Write(host, " ");
        }
    }
    host.Sleep(0);
    terminal.Drain();
    host.SetConsoleTextAttribute(kOut, 0x0F);
    for (std::uint16_t column = 3; column >= 1; --column) {
        host.SetConsoleCursorPosition(kOut, {column, 2});
        Write(host, " ");
    }
    host.SetConsoleCursorPosition(kOut, {2, 2});
    host.Sleep(0);
    // Painted in row order at the wait, whatever order they were written in.
    EXPECT_EQ(terminal.Drain(), "\b\b\b\x1b[97;40m   \b\b");
}

TEST(TerminalOutputTest, TheBufferIsTheTerminalsSizeAndTheTerminalWrapsLongLinesItself) {
    PipedTerminal terminal({10, 5});
    TerminalHost& host = terminal.Host();
    host.SetConsoleCursorPosition(kOut, {0, 0});
    terminal.Drain();
    Write(host, "0123456789abcdefghijklm");
    host.Sleep(0);
    EXPECT_EQ(terminal.Drain(), "\x1b[H\x1b[0m0123456789abcdefghijklm");
    EXPECT_EQ(terminal.Screen().RowText(2).substr(0, 4), "klm ");
    ScreenBufferInfo info;
    ASSERT_TRUE(host.GetConsoleScreenBufferInfo(kOut, &info));
    EXPECT_EQ(info.size, (Coord{10, 5}));
    EXPECT_EQ(info.cursor, (Coord{3, 2}));
    EXPECT_FALSE(host.SetConsoleCursorPosition(kOut, {10, 0}));
}

TEST(TerminalOutputTest, WithoutUtf8TheCodePagesPicturesShowAsAsciiLookalikes) {
    PipedTerminal terminal({80, 25}, false);
    Write(terminal.Host(),
          std::string("A\x01\xB0\x7F\xC9\xCD\xBA\x82", 8) + std::string(1, '\0') + "z");
    terminal.Host().Sleep(0);
    terminal.Drain();
    EXPECT_EQ(terminal.Screen().RowText(0).substr(0, 11), "Ao#^+=|e z ");
}

TEST(TerminalOutputTest, ScrollingIsTheTerminalsOwnLineFeedOnItsLastRow) {
    PipedTerminal terminal({80, 25});
    TerminalHost& host = terminal.Host();
    host.SetConsoleCursorPosition(kOut, {0, 0});
    for (int line = 0; line < 24; ++line) {
        Write(host, "line " + std::to_string(line) + "\r\n");
    }
    terminal.Drain();
    Write(host, "new\r\n");
    const std::string scrolled = terminal.Drain();
    EXPECT_EQ(scrolled, "\n\rnew\n");
    EXPECT_EQ(terminal.Screen().RowText(0).substr(0, 7), "line 1 ");
    EXPECT_EQ(terminal.Screen().RowText(23).substr(0, 4), "new ");
}

// Every visible cell of the emulator that the program wrote shows the host's
// buffer.
void ExpectShowsBuffer(PtyTerminal& terminal, Coord visible) {
    const ScreenBuffer& buffer = terminal.Host().Screen();
    for (std::uint16_t row = 0; row < visible.row; ++row) {
        for (std::uint16_t column = 0; column < visible.column; ++column) {
            if (!buffer.Written(column, row)) {
                continue;
            }
            const Cell& cell = buffer.At(column, row);
            const std::string difference = DescribeDifference(
                ExpectedCell(cell.character, cell.attribute), terminal.Screen().At(column, row));
            ASSERT_EQ(difference, "") << "cell " << column << "," << row;
        }
    }
}

TEST(TerminalResizeTest, ATerminalShowsWhatFitsAndEverythingAgainWhenItGrows) {
    PtyTerminal terminal({80, 25});
    TerminalHost& host = terminal.Host();
    host.SetConsoleTextAttribute(kOut, 0x11);
    for (std::uint16_t row = 0; row < 21; ++row) {
        host.SetConsoleCursorPosition(kOut, {0, row});
        Write(host, std::string(61, row == 0 || row == 20 ? ' ' : '#'));
    }
    host.Sleep(0);
    terminal.Drain();
    ExpectShowsBuffer(terminal, {80, 25});

    const Coord sizes[] = {{30, 10}, {1, 1}, {0, 10}, {100, 40}, {80, 25}};
    for (const Coord size : sizes) {
        terminal.Resize(size);
        host.Sleep(0);
        terminal.Drain();
        ExpectShowsBuffer(terminal, {std::min<std::uint16_t>(size.column, 80),
                                     std::min<std::uint16_t>(size.row, 25)});
        // Drawing while small must not spill past the terminal's edge.
        host.SetConsoleCursorPosition(kOut, {2, 2});
        Write(host, "####");
        host.Sleep(0);
        terminal.Drain();
        ExpectShowsBuffer(terminal, {std::min<std::uint16_t>(size.column, 80),
                                     std::min<std::uint16_t>(size.row, 25)});
    }
}

TEST(TerminalResizeTest, AContinueRepaintsWhatTheProgramWroteAndNothingElse) {
    PtyTerminal terminal({80, 25});
    TerminalHost& host = terminal.Host();
    host.SetConsoleCursorPosition(kOut, {0, 0});
    Write(host, "shown");
    terminal.Drain();
    terminal.Screen().Feed("\x1b[H\x1b[2J[1]+ Stopped");
    std::raise(SIGCONT);
    host.Sleep(0);
    terminal.Drain();
    EXPECT_EQ(terminal.Screen().RowText(0).substr(0, 12), "shownStopped");
}

// The key wait sleeps in the kernel until input comes: a key typed, a resize
// and a continue must each end that sleep, and a call still lasts 10 ms.
TEST(TerminalKeyWaitTest, WaitingWakesForKeysResizesAndContinuesAndLastsTenMilliseconds) {
    ConsoleHost& before = CurrentHost();
    PtyTerminal terminal({80, 25});
    InstallHost(terminal.Host());
    ResetConsoleState();
    terminal.Host().SetConsoleCursorPosition(kOut, {0, 0});
    Write(terminal.Host(), "shown");
    terminal.Drain();

    for (const int signal : {SIGWINCH, SIGCONT}) {
        bool repaintedWhileWaiting = false;
        std::thread typist([&] {
            // The signal must reach the waiting thread, not this one.
            const sigset_t wake = WakeSignals();
            pthread_sigmask(SIG_BLOCK, &wake, nullptr);
            std::this_thread::sleep_for(std::chrono::milliseconds{30});
            ::kill(::getpid(), signal);
            for (int round = 0; round < 20 && !repaintedWhileWaiting; ++round) {
                repaintedWhileWaiting = terminal.Drain().find("shown") != std::string::npos;
            }
            terminal.Type("x");
        });
        EXPECT_EQ(WaitKey() & 0xFF, 'x');
        typist.join();
        EXPECT_TRUE(repaintedWhileWaiting) << "signal " << signal;
    }

    terminal.Type("y");
    AwaitTyped(terminal.Slave());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(WaitKey() & 0xFF, 'y');
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds{10});

    InstallHost(before);
    ResetConsoleState();
}

}  // namespace
}  // namespace conkit::host::terminal::testing
