// On POSIX the console is the terminal on the standard input and output.
#include "conkit/host/console_host.hpp"
#include "console/host/terminal/terminal_host.hpp"

namespace conkit::host {

ConsoleHost& PlatformHost() {
    static terminal::TerminalHost host(0, 1, terminal::DetectTerminalSettings(0, 1));
    return host;
}

}  // namespace conkit::host
