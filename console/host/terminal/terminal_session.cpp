#include "console/host/terminal/terminal_session.hpp"

#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>

#include "console/host/terminal/terminal_writer.hpp"

namespace conkit::host::terminal {
namespace {

struct Session {
    SessionSetup setup{};
    termios user{};
    volatile std::sig_atomic_t active = 0;
    // Set while LeaveSession restores: a stop then must not enable again.
    volatile std::sig_atomic_t leaving = 0;
    volatile std::sig_atomic_t signalKeys = 1;
    volatile std::sig_atomic_t kittyPushed = 0;
    volatile std::sig_atomic_t exitRow = 0;
    volatile std::sig_atomic_t exitScroll = 0;
};

Session session;
// Writes the output still held; set by the terminal host.
void (*volatile pendingFlush)() = nullptr;
volatile std::sig_atomic_t resizePending = 0;
volatile std::sig_atomic_t resumePending = 0;
bool exitHookRegistered = false;

// Every signal whose default action ends the process (SIGKILL cannot be
// caught); the real-time ones are added at installation.
constexpr int kFatalSignals[] = {
    SIGHUP,    SIGINT,  SIGQUIT, SIGILL,  SIGTRAP, SIGABRT, SIGBUS, SIGFPE,  SIGUSR1,   SIGSEGV,
    SIGUSR2,   SIGPIPE, SIGALRM, SIGTERM, SIGXCPU, SIGXFSZ, SIGSYS, SIGPROF, SIGVTALRM,
#if defined(__linux__)
    SIGSTKFLT, SIGIO,   SIGPWR,
#endif
#if defined(SIGEMT)
    SIGEMT,
#endif
};

// A few bytes gathered on the stack, usable inside a signal handler.
class SmallText {
  public:
    void Add(const char* text) {
        while (*text != '\0' && length_ < sizeof(bytes_)) {
            bytes_[length_++] = *text++;
        }
    }
    void AddDecimal(std::uint32_t n) {
        char digits[10];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + n % 10);
            n /= 10;
        } while (n != 0);
        while (count > 0 && length_ < sizeof(bytes_)) {
            bytes_[length_++] = digits[--count];
        }
    }
    void WriteTo(int fd) const { WriteAll(fd, bytes_, length_); }

  private:
    char bytes_[96] = {};
    std::size_t length_ = 0;
};

termios SessionModes(termios modes, bool signalKeys) {
    modes.c_iflag &=
        ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
    modes.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    modes.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | IEXTEN);
    if (!signalKeys) {
        modes.c_lflag &= ~static_cast<tcflag_t>(ISIG);
    }
    modes.c_cc[VMIN] = 1;
    modes.c_cc[VTIME] = 0;
    return modes;
}

void ApplyModes() {
    const termios modes = SessionModes(session.user, session.signalKeys != 0);
    tcsetattr(session.setup.ttyFd, TCSANOW, &modes);
}

// Turns the session's modes and protocols on.
void Enable() {
    if (session.setup.ttyFd >= 0) {
        ApplyModes();
    }
    if (session.setup.outputIsTerminal) {
        SmallText text;
        text.Add("\x1b[?9001h\x1b[?1036h");
        if (session.kittyPushed != 0) {
            text.Add("\x1b[>");
            text.AddDecimal(kKittyFlags);
            text.Add("u");
        }
        text.WriteTo(session.setup.outputFd);
    }
}

// Restores without forgetting the session, so that a continue can enable it
// again.
void Disable() {
    if (pendingFlush != nullptr) {
        pendingFlush();
    }
    if (session.setup.outputIsTerminal) {
        SmallText text;
        text.Add("\x1b[0m\x1b[");
        text.AddDecimal(static_cast<std::uint32_t>(session.exitRow) + 1);
        text.Add("H");
        if (session.exitScroll != 0) {
            text.Add("\n");
        }
        text.Add("\x1b[?25h");
        if (session.kittyPushed != 0) {
            text.Add("\x1b[<u");
        }
        text.Add("\x1b[?9001l\x1b[?1036l");
        text.WriteTo(session.setup.outputFd);
    }
    if (session.setup.ttyFd >= 0) {
        tcsetattr(session.setup.ttyFd, TCSANOW, &session.user);
    }
}

void OnFatalSignal(int signal) {
    LeaveSession();
    // The handler was reset to the default on entry; the signal is
    // delivered again as soon as this handler returns.
    raise(signal);
}

void OnStop(int) {
    const int savedErrno = errno;
    const bool wasActive = session.active != 0;
    if (wasActive) {
        Disable();
    }
    struct sigaction stop {};
    stop.sa_handler = SIG_DFL;
    sigemptyset(&stop.sa_mask);
    sigaction(SIGTSTP, &stop, nullptr);
    sigset_t mask;
    sigemptyset(&mask);
    sigaddset(&mask, SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &mask, nullptr);
    raise(SIGTSTP);
    // Continued. The user may have changed the tty's settings meanwhile:
    // they become the ones restored on the way out.
    stop.sa_handler = OnStop;
    sigfillset(&stop.sa_mask);
    sigaction(SIGTSTP, &stop, nullptr);
    if (wasActive && session.leaving == 0) {
        if (session.setup.ttyFd >= 0) {
            tcgetattr(session.setup.ttyFd, &session.user);
        }
        Enable();
    }
    resumePending = 1;
    errno = savedErrno;
}

void OnContinue(int) {
    resumePending = 1;
}

void OnResize(int) {
    resizePending = 1;
}

// Installs handler for signal unless the program set its own handling (or
// an earlier session installed it).
void InstallIfDefault(int signal, void (*handler)(int), int flags) {
    struct sigaction current {};
    if (sigaction(signal, nullptr, &current) != 0 || (current.sa_flags & SA_SIGINFO) != 0 ||
        current.sa_handler != SIG_DFL) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_flags = flags;
    sigfillset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

void InstallHandlers() {
    for (const int signal : kFatalSignals) {
        InstallIfDefault(signal, OnFatalSignal, static_cast<int>(SA_RESETHAND));
    }
#if defined(SIGRTMIN)
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) {
        InstallIfDefault(signal, OnFatalSignal, static_cast<int>(SA_RESETHAND));
    }
#endif
    InstallIfDefault(SIGTSTP, OnStop, 0);
    InstallIfDefault(SIGCONT, OnContinue, SA_RESTART);
    InstallIfDefault(SIGWINCH, OnResize, SA_RESTART);
    if (!exitHookRegistered) {
        std::atexit(LeaveSession);
        exitHookRegistered = true;
    }
}

}  // namespace

bool EnterSession(const SessionSetup& setup) {
    if (session.active != 0) {
        return false;
    }
    session.setup = setup;
    session.signalKeys = 1;
    session.kittyPushed = 0;
    session.exitRow = 0;
    session.exitScroll = 0;
    session.leaving = 0;
    if (setup.ttyFd >= 0 && tcgetattr(setup.ttyFd, &session.user) != 0) {
        session.setup.ttyFd = -1;
    }
    InstallHandlers();
    // Armed before the tty or the terminal is changed, so that a signal at
    // any moment after restores (or, for a stop, suspends) what was.
    std::atomic_signal_fence(std::memory_order_seq_cst);
    session.active = 1;
    Enable();
    return true;
}

void LeaveSession() {
    if (session.active == 0) {
        return;
    }
    // Disarmed only once all is back: a signal during the restore restores
    // again rather than ending the process with the tty half done.
    const int savedErrno = errno;
    session.leaving = 1;
    Disable();
    std::atomic_signal_fence(std::memory_order_seq_cst);
    session.active = 0;
    errno = savedErrno;
}

void SetSignalKeys(bool enabled) {
    if (session.active == 0 || (session.signalKeys != 0) == enabled) {
        return;
    }
    session.signalKeys = enabled ? 1 : 0;
    if (session.setup.ttyFd >= 0) {
        ApplyModes();
    }
}

bool PushKittyFlags() {
    if (session.active == 0 || session.kittyPushed != 0 || !session.setup.outputIsTerminal) {
        return false;
    }
    SmallText text;
    text.Add("\x1b[>");
    text.AddDecimal(kKittyFlags);
    text.Add("u");
    text.WriteTo(session.setup.outputFd);
    session.kittyPushed = 1;
    return true;
}

void SetExitRow(std::uint32_t row, std::uint32_t terminalRows) {
    const bool onTerminal = row < terminalRows;
    const std::uint32_t last = terminalRows == 0 ? 0 : terminalRows - 1;
    session.exitScroll = onTerminal ? 0 : 1;
    session.exitRow = static_cast<std::sig_atomic_t>(onTerminal ? row : last);
}

void SetPendingOutputFlush(void (*flush)()) {
    pendingFlush = flush;
}

bool TakeResize() {
    if (resizePending == 0) {
        return false;
    }
    resizePending = 0;
    return true;
}

bool TakeResume() {
    if (resumePending == 0) {
        return false;
    }
    resumePending = 0;
    return true;
}

sigset_t WakeSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGWINCH);
    sigaddset(&signals, SIGCONT);
    sigaddset(&signals, SIGTSTP);
    return signals;
}

}  // namespace conkit::host::terminal
