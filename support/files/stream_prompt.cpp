#include "support/files/stream_prompt.hpp"

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "conkit/input/line_input.hpp"
#include "conkit/system/system_services.hpp"

namespace conkit {
namespace {

// An answer that fills this is longer than any that can mean Yes, blanks
// around it included.
constexpr std::uint32_t kAnswerCapacity = 32;

void WriteAll(int fd, const char* text, std::size_t length) {
    while (length > 0) {
        const ssize_t put = write(fd, text, length);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return;
        }
        text += put;
        length -= static_cast<std::size_t>(put);
    }
}

// A tty whose output processing the console has turned off gets CR LF.
void WriteLine(int fd, const char* text) {
    WriteAll(fd, text, std::strlen(text));
    termios modes{};
    if (tcgetattr(fd, &modes) == 0 &&
        ((modes.c_oflag & OPOST) == 0 || (modes.c_oflag & ONLCR) == 0)) {
        WriteAll(fd, "\r\n", 2);
    } else {
        WriteAll(fd, "\n", 1);
    }
}

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r';
}

char Lower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

// Reads one line through the console and returns whether it says yes.
bool ReadYes() {
    char answer[kAnswerCapacity] = {};
    const std::uint32_t length = ReadLineInput(answer, kAnswerCapacity);
    if (length == 0 || length == kAnswerCapacity - 1) {
        return false;
    }
    const char* word = answer;
    while (IsBlank(*word)) {
        ++word;
    }
    char lower[4] = {};
    std::size_t count = 0;
    while (*word != '\0' && !IsBlank(*word)) {
        if (count == sizeof lower - 1) {
            return false;
        }
        lower[count++] = Lower(*word++);
    }
    while (IsBlank(*word)) {
        ++word;
    }
    return *word == '\0' && (std::strcmp(lower, "y") == 0 || std::strcmp(lower, "yes") == 0);
}

bool IsBlankText(const char* text) {
    while (*text != '\0') {
        if (!IsBlank(*text++)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::int32_t PromptOnStreams(int output, const char* text, const char* caption,
                             std::uint32_t style) {
    const std::uint32_t buttons = style & 0x0FU;
    if (buttons != os::kMbOk && buttons != os::kMbYesNo) {
        return 0;
    }
    if (caption != nullptr && !IsBlankText(caption)) {
        WriteLine(output, caption);
    }
    WriteLine(output, text != nullptr ? text : "");
    if (buttons == os::kMbOk) {
        return kIdOk;
    }
    WriteLine(output, "[y/N]");
    return ReadYes() ? kIdYes : kIdNo;
}

}  // namespace conkit
