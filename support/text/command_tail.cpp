#include "conkit/text/command_tail.hpp"

#include <cstdint>

#include "conkit/system/system_services.hpp"

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

}  // namespace

bool CopyCommandTail(char* target) {
    target[0] = '\0';
    const char* line = system::CurrentSystem().GetCommandLineA();
    const char* tail = line == nullptr ? nullptr : SkipProgramName(line);
    if (tail == nullptr || *tail == '\0') {
        return false;
    }
    std::uint32_t i = 0;
    do {
        target[i] = tail[i];
    } while (tail[i++] != '\0');
    return true;
}

}  // namespace conkit
