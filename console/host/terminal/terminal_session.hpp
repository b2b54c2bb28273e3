// What this process changes about its terminal, and putting it back on every
// way out: a normal end, exit(), every signal whose default action ends the
// process (the restore runs, then the signal is raised again with its
// default action, so the parent sees it), and around a stop (Ctrl+Z) and
// continue.
//
// The session comes in two steps. Arming it installs the handlers and the
// exit hook and changes nothing, so a program that only writes leaves the
// tty as it found it (and may run in the background). Entering its modes,
// when keys or the terminal's answers are first read, makes the tty
// non-canonical with no echo and no output processing (ISIG follows
// SetSignalKeys) and turns the key protocols on. Sequences sent:
//   CSI ? 9001 h / l   win32-input-mode on / off
//   CSI ? 1036 h / l   meta sends escape on / off: Alt+key comes as ESC
//                      and the key, not as the key with its high bit set
//                      (a character of its own in UTF-8)
// The keypad stays in normal mode: in application mode st and
// rxvt-unicode send the keypad's arrows as the keypad's digits.
//   CSI > flags u      push kitty keyboard flags; CSI < u pops them
// and on the way out, so that the shell's prompt starts clean below
// everything the program wrote:
//   CSI ? 2026 l       end of a synchronized update, where the terminal has it
//   CSI ? 1049 l       back from the alternate screen, when an overlay shows
//   CSI 0 m            the terminal's own colours, when the program set any
//   CSI row H [LF]     column 0 of the exit row (LF: the last row, scrolled),
//                      or CR [LF] when the rows are not known
//   CSI J              clear that row and every one below it (a shell may
//                      move down a row before its prompt)
//
// Before the tty is given back, every answer the host asked the terminal
// for is read and dropped (within the time left for waiting on answers),
// so none reaches the shell.
//
// There is one session per process, because signals are. A signal whose
// handling the program already set (anything but the default when the
// session is armed) is left alone. Collected output is never lost to a
// signal: one that arrives while the writer's write(2) is under way is
// acted on when the call returns (terminal_writer.hpp).
#pragma once

#include <csignal>
#include <cstdint>

namespace conkit::host::terminal {

struct SessionSetup {
    // The tty whose modes are changed and restored, or -1 for none.
    int ttyFd = -1;
    int outputFd = 1;
    // The output is a terminal: it is sent escape sequences.
    bool outputIsTerminal = false;
};

// The kitty keyboard flags pushed when the terminal answers: disambiguate
// (1), report event types (2), alternate keys (4), all keys as escape codes
// (8) and associated text (16).
inline constexpr std::uint32_t kKittyFlags = 31;

// Installs the signal handlers where the program left the default, and the
// exit hook the first time; changes nothing else. Returns false, changing
// nothing, when a session is already armed.
bool ArmSession(const SessionSetup& setup);

// Saves the tty's settings, enters the session's modes and sends the key
// protocols' sequences; once per session.
void EnterModes();
bool ModesEntered();

// Restores everything on the way out of a process still running normally;
// does nothing when no session is armed. The handlers restore by
// themselves.
void LeaveSession();

// ISIG on (as the user's settings have it) or off, so that Ctrl+C, Ctrl+Z
// and the quit key arrive as bytes.
void SetSignalKeys(bool enabled);

// Pushes kitty keyboard flags; they are popped on the way out. Returns
// false when they were pushed already or no modes are entered.
bool PushKittyFlags();

// Where the shell's prompt goes on the way out. Rows known: column 0 of
// row, or when row is below the terminal, of its last row scrolled by one.
// Rows not known: column 0 of the cursor's row, or of the next one when
// newRow. wrote: the program showed something (the rows from there down
// are cleared); coloured: it set colours other than the terminal's own.
struct ExitPlace {
    bool rowsKnown = false;
    std::uint32_t row = 0;
    std::uint32_t terminalRows = 0;
    bool newRow = false;
    bool wrote = false;
    bool coloured = false;
};
void SetExitPlace(const ExitPlace& place);

// An overlay shows on the terminal's alternate screen: the way out (and a
// stop) goes back to the main screen first.
void SetAlternateScreen(bool shown);

// The terminal takes synchronized output: the way out (and a stop) ends any
// update it holds.
void SetSynchronizedOutput(bool supported);

// Why the session is being left: a stop (it comes back), a signal that
// ends the process (the hook runs in its handler), or the way out of a
// process still running normally (exit, a return from main).
enum class LeaveReason { stop, signal, exit };

// Called first on every way out of the session and before a stop, so that
// output still held is written and answers already read are counted; it
// must be safe in a signal handler when the reason says so. nullptr for
// none.
void SetLeaveHook(void (*hook)(LeaveReason reason));

// Answers the terminal still owes (the device attributes, which every
// terminal sends last, not yet read) arrive on fd; the way out reads and
// drops them for at most waitLeftMs, which it then counts as spent.
void SetRepliesPending(bool pending, int fd);
void SetReplyWaitLeft(std::uint32_t ms);
std::uint32_t ReplyWaitLeft();

// Set by the handlers of the signals below; read on every console call, so
// it is a plain flag.
extern volatile std::sig_atomic_t sessionEvents;

// True when a resize or a continue may wait to be taken; clears that.
inline bool TakeSessionEvents() {
    if (sessionEvents == 0) {
        return false;
    }
    sessionEvents = 0;
    return true;
}

// True once after each SIGWINCH.
bool TakeResize();
// True once after each continue (SIGCONT); the session's modes are already
// back, the screen needs repainting.
bool TakeResume();

// The signals that set the flags above; block them around a check of the
// flags and wait with them unblocked, so that none is missed.
sigset_t WakeSignals();

}  // namespace conkit::host::terminal
