#include "support/system/posix/stream_prompt.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "conkit/system/system_services.hpp"

namespace conkit::system {
namespace {

// Enough for the longest answer that can mean Yes; longer ones cannot.
constexpr std::size_t kAnswerSize = 4;

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

void WriteLine(int fd, const char* text) {
    WriteAll(fd, text, std::strlen(text));
    WriteAll(fd, "\n", 1);
}

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r';
}

char Lower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

// Reads up to the end of a line and returns whether it says yes.
bool ReadYes(int fd) {
    char answer[kAnswerSize + 1] = {};
    std::size_t length = 0;
    bool tooLong = false;
    bool blankAfterWord = false;
    char ch = 0;
    for (;;) {
        const ssize_t got = read(fd, &ch, 1);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0 || ch == '\n') {
            break;
        }
        if (IsBlank(ch)) {
            blankAfterWord = length > 0;
        } else if (blankAfterWord || length == kAnswerSize) {
            tooLong = true;
        } else {
            answer[length++] = Lower(ch);
        }
    }
    return !tooLong && (std::strcmp(answer, "y") == 0 || std::strcmp(answer, "yes") == 0);
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

std::int32_t PromptOnStreams(int input, int output, const char* text, const char* caption,
                             std::uint32_t style) {
    const std::uint32_t buttons = style & 0x0FU;
    if (buttons != kMbOk && buttons != kMbYesNo) {
        return 0;
    }
    if (caption != nullptr && !IsBlankText(caption)) {
        WriteLine(output, caption);
    }
    WriteLine(output, text != nullptr ? text : "");
    if (buttons == kMbOk) {
        return kIdOk;
    }
    WriteLine(output, "[y/N]");
    return ReadYes(input) ? kIdYes : kIdNo;
}

}  // namespace conkit::system
