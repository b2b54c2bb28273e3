// The platform's message box on POSIX, which has none of its own: drawn on
// the console when the process talks to a terminal, else a prompt on the
// standard error answered by a line read from the console's input.
#include <unistd.h>

#include "conkit/files/console_message_box.hpp"
#include "support/files/stream_prompt.hpp"
#include "support/system/platform_services.hpp"

namespace conkit::os {

std::int32_t PlatformServices::MessageBoxA(const char* text, const char* caption,
                                           std::uint32_t style) {
    if (isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1) {
        return ShowConsoleMessageBox(text, caption, style);
    }
    return PromptOnStreams(STDERR_FILENO, text, caption, style);
}

}  // namespace conkit::os
