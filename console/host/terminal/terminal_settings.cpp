#include "console/host/terminal/terminal_settings.hpp"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace conkit::host::terminal {
namespace {

// Case-insensitive search for "utf-8" or "utf8".
bool NamesUtf8(const char* name) {
    for (const char* at = name; *at != '\0'; ++at) {
        auto lower = [&](std::size_t offset) {
            return static_cast<char>(std::tolower(static_cast<unsigned char>(at[offset])));
        };
        if (lower(0) != 'u' || lower(1) != 't' || lower(2) != 'f') {
            continue;
        }
        if (at[3] == '8' || (at[3] == '-' && at[4] == '8')) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool LocaleIsUtf8() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return NamesUtf8(value);
        }
    }
    return false;
}

std::optional<Coord> QueryTerminalSize(int fd) {
    winsize size{};
    if (::ioctl(fd, TIOCGWINSZ, &size) != 0 || (size.ws_col == 0 && size.ws_row == 0)) {
        return std::nullopt;
    }
    return Coord{size.ws_col, size.ws_row};
}

Coord BufferSizeFor(Coord terminalSize) {
    return {std::clamp<std::uint16_t>(terminalSize.column, 1, kMaximumBufferSize.column),
            std::clamp<std::uint16_t>(terminalSize.row, 1, kMaximumBufferSize.row)};
}

TerminalSettings DetectTerminalSettings(int inputFd, int outputFd) {
    TerminalSettings settings;
    settings.inputIsTty = ::isatty(inputFd) == 1;
    const char* term = std::getenv("TERM");
    const bool dumb = term != nullptr && std::strcmp(term, "dumb") == 0;
    settings.outputIsTerminal = ::isatty(outputFd) == 1 && !dumb;
    settings.utf8 = LocaleIsUtf8();
    settings.terminalSize = QueryTerminalSize(outputFd).value_or(kUnknownTerminalSize);
    return settings;
}

}  // namespace conkit::host::terminal
