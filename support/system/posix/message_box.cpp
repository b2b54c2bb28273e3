// Message boxes on POSIX: drawn on the console when the process talks to a
// terminal, else a prompt on the standard error answered by a line read
// from the console's input.
#include <unistd.h>

#include "conkit/files/console_message_box.hpp"
#include "support/system/posix/posix_system.hpp"
#include "support/system/posix/stream_prompt.hpp"

namespace conkit::os {

std::int32_t PosixSystem::MessageBoxA(const char* text, const char* caption, std::uint32_t style) {
    if (isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1) {
        return ShowConsoleMessageBox(text, caption, style);
    }
    return PromptOnStreams(STDERR_FILENO, text, caption, style);
}

}  // namespace conkit::os
