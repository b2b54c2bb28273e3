// The command line is built once from /proc/self/cmdline, so programs need
// not pass their arguments on; without /proc it is empty.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "support/system/posix/argument_joining.hpp"
#include "support/system/posix/posix_system.hpp"

namespace conkit::os {
namespace {

// As long as a command line on Windows may be.
constexpr std::uint32_t kCommandLineSize = 32768;

char commandLine[kCommandLineSize] = {};

// Arguments beyond this many bytes could not fit in the command line.
char arguments[kCommandLineSize] = {};

// Returns the number of bytes read; 0 when the file cannot be read.
std::uint32_t ReadArguments() {
    const int file = ::open("/proc/self/cmdline", O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return 0;
    }
    std::uint32_t size = 0;
    bool ended = false;
    // One byte stays free to end an argument the file leaves unended.
    while (size < kCommandLineSize - 1) {
        const ssize_t got = ::read(file, arguments + size, kCommandLineSize - 1 - size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            ended = got == 0;
            break;
        }
        size += static_cast<std::uint32_t>(got);
    }
    ::close(file);
    if (ended && size > 0 && arguments[size - 1] != '\0') {
        arguments[size++] = '\0';
    }
    return size;
}

const char* BuildCommandLine() {
    JoinArguments(arguments, ReadArguments(), commandLine, kCommandLineSize);
    return commandLine;
}

}  // namespace

const char* PosixSystem::GetCommandLineA() {
    static const char* const line = BuildCommandLine();
    return line;
}

}  // namespace conkit::os
