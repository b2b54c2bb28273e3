#include "conkit/text/command_tail.hpp"

#include "conkit/output.hpp"
#include "conkit/system/system_services.hpp"
#include "conkit/text/text_routines.hpp"

namespace conkit {
namespace {

// The character after the program name, or nullptr when the command line
// ends within the name. The name ends at the first space outside double
// quotes, or right after a closing double quote.
const char* SkipProgramName(const char* line) {
    for (;; ++line) {
        if (*line == '"') {
            do {
                ++line;
            } while (*line != '"' && *line != '\0');
            return *line == '\0' ? nullptr : line + 1;
        }
        if (*line == ' ') {
            return line + 1;
        }
        if (*line == '\0') {
            return nullptr;
        }
    }
}

// The command tail; an empty text when there is none.
const char* FindCommandTail() {
    const char* line = os::CurrentSystem().GetCommandLineA();
    const char* tail = line == nullptr ? nullptr : SkipProgramName(line);
    return tail == nullptr ? "" : tail;
}

}  // namespace

bool CopyCommandTail(char* target) {
    const char* tail = FindCommandTail();
    CopyText(tail, target);
    return *tail != '\0';
}

CommandTailCopy CopyCommandTail(char* target, std::uint32_t capacity) {
    const char* tail = FindCommandTail();
    if (capacity == 0) {
        return {*tail != '\0', *tail != '\0'};
    }
    std::uint32_t i = 0;
    for (; i + 1 < capacity && tail[i] != '\0'; ++i) {
        target[i] = tail[i];
    }
    target[i] = '\0';
    return {*tail != '\0', tail[i] != '\0'};
}

std::uint32_t CommandTailLength() {
    return TextLength(FindCommandTail());
}

}  // namespace conkit
