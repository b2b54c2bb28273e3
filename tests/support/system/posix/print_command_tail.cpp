// Prints the command line this process sees and its command tail, for the
// test that starts it with chosen arguments.
#include <cstdio>

#include "conkit/system/system_services.hpp"
#include "conkit/text/command_tail.hpp"

namespace {
char tail[32768];
}

int main() {
    const bool copied = conkit::CopyCommandTail(tail);
    std::printf("%s\n%d[%s]\n", conkit::os::CurrentSystem().GetCommandLineA(), copied ? 1 : 0,
                tail);
    return 0;
}
