// Linux gives the arguments in /proc/self/cmdline, FreeBSD through sysctl
// (its procfs is seldom mounted), macOS as the argument vector its start-up
// code keeps (it has no /proc).
#include "support/system/posix/process_arguments.hpp"

#if defined(__APPLE__)
#include <crt_externs.h>

#include <cstring>
#elif defined(__FreeBSD__)
#include <sys/sysctl.h>
#include <sys/types.h>
#include <unistd.h>
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace conkit::os {

#if defined(__APPLE__)

std::uint32_t ReadProcessArguments(char* arguments, std::uint32_t size) {
    const int count = *_NSGetArgc();
    char* const* const vector = *_NSGetArgv();
    std::uint32_t length = 0;
    for (int index = 0; index < count; ++index) {
        const std::size_t argument = std::strlen(vector[index]) + 1;
        if (argument > size - length) {
            std::memcpy(arguments + length, vector[index], size - length);
            return size;
        }
        std::memcpy(arguments + length, vector[index], argument);
        length += static_cast<std::uint32_t>(argument);
    }
    return length;
}

#else

namespace {

// A complete read whose last argument the system left unended (a process
// may rewrite its arguments) gets its NUL in the byte kept free for it.
std::uint32_t EndLastArgument(char* arguments, std::uint32_t length) {
    if (length != 0 && arguments[length - 1] != '\0') {
        arguments[length++] = '\0';
    }
    return length;
}

}  // namespace

#if defined(__FreeBSD__)

std::uint32_t ReadProcessArguments(char* arguments, std::uint32_t size) {
    int name[] = {CTL_KERN, KERN_PROC, KERN_PROC_ARGS, static_cast<int>(getpid())};
    const std::size_t room = size - 1;
    std::size_t length = room;
    // Room too small for all of them fails with ENOMEM after filling it.
    const bool whole = sysctl(name, 4, arguments, &length, nullptr, 0) == 0;
    if (!whole && length != room) {
        return 0;
    }
    const auto read = static_cast<std::uint32_t>(length);
    return whole ? EndLastArgument(arguments, read) : read;
}

#else

std::uint32_t ReadProcessArguments(char* arguments, std::uint32_t size) {
    const int file = ::open("/proc/self/cmdline", O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return 0;
    }
    std::uint32_t length = 0;
    bool whole = false;
    while (length < size - 1) {
        const ssize_t got = ::read(file, arguments + length, size - 1 - length);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            whole = got == 0;
            break;
        }
        length += static_cast<std::uint32_t>(got);
    }
    ::close(file);
    return whole ? EndLastArgument(arguments, length) : length;
}

#endif
#endif

}  // namespace conkit::os
