#include "console/host/terminal/terminal_session.hpp"

#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <ctime>

#include "console/host/terminal/decimal_text.hpp"
#include "console/host/terminal/system_calls.hpp"
#include "console/host/terminal/terminal_writer.hpp"

namespace conkit::host::terminal {
namespace {

struct Session {
    SessionSetup setup{};
    termios user{};
    volatile std::sig_atomic_t armed = 0;
    volatile std::sig_atomic_t modes = 0;
    // Set while LeaveSession restores: a stop then must not enable again.
    volatile std::sig_atomic_t leaving = 0;
    volatile std::sig_atomic_t signalKeys = 1;
    volatile std::sig_atomic_t kittyPushed = 0;
    volatile std::sig_atomic_t rowsKnown = 0;
    volatile std::sig_atomic_t exitRow = 0;
    volatile std::sig_atomic_t exitScroll = 0;
    volatile std::sig_atomic_t exitNewRow = 0;
    volatile std::sig_atomic_t wrote = 0;
    volatile std::sig_atomic_t coloured = 0;
    volatile std::sig_atomic_t alternateScreen = 0;
    volatile std::sig_atomic_t synchronizedOutput = 0;
    volatile std::sig_atomic_t repliesPending = 0;
    volatile std::sig_atomic_t replyFd = -1;
    volatile std::sig_atomic_t replyWaitLeftMs = 500;
};

Session session;
void (*volatile leaveHook)(LeaveReason) = nullptr;
volatile std::sig_atomic_t resizePending = 0;
volatile std::sig_atomic_t resumePending = 0;
// A signal that came while the writer's write(2) was under way, left for
// the writer to act on when the call returns.
volatile std::sig_atomic_t deferredSignal = 0;
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
    void AddDecimal(std::uint32_t n) { Add(DecimalText(n).Data()); }
    void WriteTo(int fd) const {
        if (length_ > 0) {
            WriteAll(fd, bytes_, length_);
        }
    }

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

// Turns the session's modes and protocols on, when they were entered.
void Enable() {
    if (session.modes == 0) {
        return;
    }
    if (session.setup.ttyFd >= 0) {
        ApplyModes();
    }
    if (session.setup.outputIsTerminal) {
        SmallText text;
        if (session.alternateScreen != 0) {
            text.Add("\x1b[?1049h");
        }
        text.Add("\x1b[?9001h\x1b[?1036h");
        if (session.kittyPushed != 0) {
            text.Add("\x1b[>");
            text.AddDecimal(kKittyFlags);
            text.Add("u");
        }
        text.WriteTo(session.setup.outputFd);
    }
}

std::int64_t MonotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1'000'000;
}

// Reads and drops what the terminal sends until its device attributes
// (CSI ? ... c, its last answer) have come or the time left for answers is
// spent. Only system calls that are safe in a signal handler.
void DrainReplies() {
    const int fd = session.replyFd;
    if (session.repliesPending == 0 || fd < 0) {
        return;
    }
    const std::int64_t start = MonotonicMs();
    const std::int64_t deadline = start + session.replyWaitLeftMs;
    int state = 0;  // 0 nothing, 1 ESC, 2 CSI, 3 CSI ? and parameters
    for (std::int64_t now = start; now < deadline && session.repliesPending != 0;
         now = MonotonicMs()) {
        if (!ReadableWithin(fd, static_cast<int>(deadline - now))) {
            continue;
        }
        char bytes[64];
        const ssize_t got = read(fd, bytes, sizeof bytes);
        if (got <= 0) {
            break;
        }
        for (ssize_t i = 0; i < got; ++i) {
            const char byte = bytes[i];
            if (byte == '\x1b') {
                state = 1;
            } else if (state == 1) {
                state = byte == '[' ? 2 : 0;
            } else if (state == 2) {
                state = byte == '?' ? 3 : 0;
            } else if (state == 3 && byte == 'c') {
                session.repliesPending = 0;
                state = 0;
            } else if (state == 3 && !((byte >= '0' && byte <= '9') || byte == ';')) {
                state = 0;
            }
        }
    }
    const std::int64_t spent = MonotonicMs() - start;
    const std::int64_t left = session.replyWaitLeftMs - spent;
    session.replyWaitLeftMs = static_cast<std::sig_atomic_t>(left > 0 ? left : 0);
}

// The way out's sequences: colours, the prompt's row, the protocols off.
void SendExitSequences() {
    if (!session.setup.outputIsTerminal) {
        return;
    }
    SmallText text;
    if (session.synchronizedOutput != 0) {
        text.Add("\x1b[?2026l");
    }
    if (session.alternateScreen != 0) {
        text.Add("\x1b[?1049l");
    }
    if (session.coloured != 0) {
        text.Add("\x1b[0m");
    }
    if (session.rowsKnown != 0) {
        text.Add("\x1b[");
        text.AddDecimal(static_cast<std::uint32_t>(session.exitRow) + 1);
        text.Add(session.exitScroll != 0 ? "H\n" : "H");
    } else if (session.wrote != 0) {
        text.Add(session.exitNewRow != 0 ? "\r\n" : "\r");
    }
    if (session.wrote != 0) {
        text.Add("\x1b[J");
    }
    if (session.kittyPushed != 0) {
        text.Add("\x1b[<u");
    }
    if (session.modes != 0) {
        text.Add("\x1b[?9001l\x1b[?1036l");
    }
    text.WriteTo(session.setup.outputFd);
}

// Restores without forgetting the session, so that a continue can enable it
// again.
void Disable(LeaveReason reason) {
    if (void (*hook)(LeaveReason) = leaveHook; hook != nullptr) {
        hook(reason);
    }
    if (session.modes != 0) {
        DrainReplies();
    }
    SendExitSequences();
    if (session.modes != 0 && session.setup.ttyFd >= 0) {
        tcsetattr(session.setup.ttyFd, TCSANOW, &session.user);
    }
}

void Leave(LeaveReason reason) {
    if (session.armed == 0) {
        return;
    }
    // Disarmed only once all is back: a signal during the restore restores
    // again rather than ending the process with the tty half done.
    const int savedErrno = errno;
    session.leaving = 1;
    Disable(reason);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    session.armed = 0;
    session.modes = 0;
    errno = savedErrno;
}

void OnFatalSignal(int signal) {
    if (WriteUnderWay()) {
        // The writer acts on it once its write(2) returns (ActOnDeferred).
        deferredSignal = signal;
        return;
    }
    Leave(LeaveReason::signal);
    // The handler was reset to the default on entry; the signal is
    // delivered again as soon as this handler returns.
    raise(signal);
}

void OnStop(int) {
    if (WriteUnderWay()) {
        deferredSignal = SIGTSTP;
        return;
    }
    const int savedErrno = errno;
    const bool wasArmed = session.armed != 0;
    if (wasArmed) {
        Disable(LeaveReason::stop);
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
    if (wasArmed && session.leaving == 0) {
        if (session.modes != 0 && session.setup.ttyFd >= 0) {
            tcgetattr(session.setup.ttyFd, &session.user);
        }
        Enable();
    }
    resumePending = 1;
    sessionEvents = 1;
    errno = savedErrno;
}

// After each of the writer's write(2) calls: a signal that came during it
// is handled now, with the pending bytes counted right.
void ActOnDeferred() {
    const int signal = deferredSignal;
    if (signal == 0) {
        return;
    }
    deferredSignal = 0;
    if (signal != SIGTSTP) {
        // Its handler was reset to the default when it came.
        Leave(LeaveReason::signal);
    }
    raise(signal);
}

void OnContinue(int) {
    resumePending = 1;
    sessionEvents = 1;
}

void OnResize(int) {
    resizePending = 1;
    sessionEvents = 1;
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
    SetAfterWrite(ActOnDeferred);
    if (!exitHookRegistered) {
        std::atexit(LeaveSession);
        exitHookRegistered = true;
    }
}

}  // namespace

volatile std::sig_atomic_t sessionEvents = 0;

bool ArmSession(const SessionSetup& setup) {
    if (session.armed != 0) {
        return false;
    }
    session.setup = setup;
    session.modes = 0;
    session.signalKeys = 1;
    session.kittyPushed = 0;
    session.rowsKnown = 0;
    session.exitRow = 0;
    session.exitScroll = 0;
    session.exitNewRow = 0;
    session.wrote = 0;
    session.coloured = 0;
    session.alternateScreen = 0;
    session.synchronizedOutput = 0;
    session.repliesPending = 0;
    session.leaving = 0;
    InstallHandlers();
    std::atomic_signal_fence(std::memory_order_seq_cst);
    session.armed = 1;
    return true;
}

void EnterModes() {
    if (session.armed == 0 || session.modes != 0) {
        return;
    }
    if (session.setup.ttyFd >= 0 && tcgetattr(session.setup.ttyFd, &session.user) != 0) {
        session.setup.ttyFd = -1;
    }
    // Marked before the tty or the terminal is changed, so that a signal at
    // any moment after restores (or, for a stop, suspends) what was.
    std::atomic_signal_fence(std::memory_order_seq_cst);
    session.modes = 1;
    Enable();
}

bool ModesEntered() {
    return session.modes != 0;
}

void LeaveSession() {
    Leave(LeaveReason::exit);
}

void SetSignalKeys(bool enabled) {
    if (session.modes == 0 || (session.signalKeys != 0) == enabled) {
        return;
    }
    session.signalKeys = enabled ? 1 : 0;
    if (session.setup.ttyFd >= 0) {
        ApplyModes();
    }
}

bool PushKittyFlags() {
    if (session.modes == 0 || session.kittyPushed != 0 || !session.setup.outputIsTerminal) {
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

void SetExitPlace(const ExitPlace& place) {
    const bool onTerminal = place.row < place.terminalRows;
    const std::uint32_t last = place.terminalRows == 0 ? 0 : place.terminalRows - 1;
    session.exitScroll = onTerminal ? 0 : 1;
    session.exitRow = static_cast<std::sig_atomic_t>(onTerminal ? place.row : last);
    session.exitNewRow = place.newRow ? 1 : 0;
    session.wrote = place.wrote ? 1 : 0;
    session.coloured = place.coloured ? 1 : 0;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    session.rowsKnown = place.rowsKnown ? 1 : 0;
}

void SetAlternateScreen(bool shown) {
    session.alternateScreen = shown ? 1 : 0;
}

void SetSynchronizedOutput(bool supported) {
    session.synchronizedOutput = supported ? 1 : 0;
}

void SetLeaveHook(void (*hook)(LeaveReason reason)) {
    leaveHook = hook;
}

void SetRepliesPending(bool pending, int fd) {
    session.replyFd = fd;
    session.repliesPending = pending ? 1 : 0;
}

void SetReplyWaitLeft(std::uint32_t ms) {
    session.replyWaitLeftMs = static_cast<std::sig_atomic_t>(ms);
}

std::uint32_t ReplyWaitLeft() {
    return static_cast<std::uint32_t>(session.replyWaitLeftMs);
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
