// What this process changes about its terminal, and putting it back on every
// way out: a normal end, exit(), every signal whose default action ends the
// process (the restore runs, then the signal is raised again with its
// default action, so the parent sees it), and around a stop (Ctrl+Z) and
// continue, from before the first change to after the last restore.
//
// While a session is active the tty is non-canonical with no echo and no
// output processing; ISIG follows SetSignalKeys. Sequences sent:
//   CSI ? 9001 h / l   win32-input-mode on / off
//   CSI ? 1036 h / l   meta sends escape on / off: Alt+key comes as ESC
//                      and the key, not as the key with its high bit set
//                      (a character of its own in UTF-8)
// The keypad stays in normal mode: in application mode st and
// rxvt-unicode send the keypad's arrows as the keypad's digits.
//   CSI > flags u      push kitty keyboard flags; CSI < u pops them
//   CSI 0 m, CSI ? 25 h   reset colours, show the cursor (on the way out)
//
// There is one session per process, because signals are. A signal whose
// handling the program already set (anything but the default when a
// session is entered) is left alone.
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

// Starts the session: saves the tty's settings, enters the session's modes
// and sends the start-up sequences; installs the signal handlers where the
// program left the default, and the exit hook the first time. Returns
// false, changing nothing, when a session is already active.
bool EnterSession(const SessionSetup& setup);

// Restores everything; does nothing when no session is active. Safe in a
// signal handler.
void LeaveSession();

// ISIG on (as the user's settings have it) or off, so that Ctrl+C, Ctrl+Z
// and the quit key arrive as bytes.
void SetSignalKeys(bool enabled);

// Pushes kitty keyboard flags; they are popped on the way out. Returns
// false when they were pushed already or no session is active.
bool PushKittyFlags();

// Where the cursor is left on the way out: column 0 of row, or, when row is
// not on the terminal, of its last row and one line scrolled.
void SetExitRow(std::uint32_t row, std::uint32_t terminalRows);

// Called first on every way out of the session and before a stop, so that
// output still held (redirected output is buffered) is written; it must be
// safe in a signal handler. nullptr for none.
void SetPendingOutputFlush(void (*flush)());

// True once after each SIGWINCH.
bool TakeResize();
// True once after each continue (SIGCONT); the session's modes are already
// back, the screen needs repainting.
bool TakeResume();

// The signals that set the flags above; block them around a check of the
// flags and wait with them unblocked, so that none is missed.
sigset_t WakeSignals();

}  // namespace conkit::host::terminal
