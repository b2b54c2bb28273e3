// What the terminal host needs to know about its descriptors at start-up.
#pragma once

#include <cstdint>
#include <optional>

#include "conkit/host/console_types.hpp"

namespace conkit::host::terminal {

// The size taken for a tty that reports none: the classic console's.
inline constexpr Coord kUnknownTerminalSize{80, 25};
// The largest screen buffer, so that a huge window cannot make the host
// take a huge amount of memory; the rest of such a window stays blank.
inline constexpr Coord kMaximumBufferSize{1000, 500};

struct TerminalSettings {
    // The input is a tty: its modes are set and key sequences decoded.
    bool inputIsTty = false;
    // The output is a terminal that takes escape sequences; when false the
    // output is plain text.
    bool outputIsTerminal = false;
    // The terminal shows UTF-8.
    bool utf8 = false;
    // The terminal's size at start-up.
    Coord terminalSize = kUnknownTerminalSize;
    // How long the whole run may wait, in all, for the terminal's replies to
    // its questions: for the cursor's row when it is needed, and at the exit
    // for any still due.
    std::uint32_t replyTimeoutMs = 500;
};

// Looks at the descriptors, TERM and the locale. A dumb terminal (TERM=dumb)
// gets plain text; a tty that reports no size counts as 80x25.
TerminalSettings DetectTerminalSettings(int inputFd, int outputFd);

// The window size of the tty on fd; nothing when it is not a tty or reports
// no size (0x0).
std::optional<Coord> QueryTerminalSize(int fd);

// True when the locale's character set, as LC_ALL, LC_CTYPE or LANG name
// it (the first that is set and not empty), is UTF-8.
bool LocaleIsUtf8();

// The screen buffer for a terminal of the given size: the terminal's size,
// at least one cell and at most the maximum.
Coord BufferSizeFor(Coord terminalSize);

}  // namespace conkit::host::terminal
