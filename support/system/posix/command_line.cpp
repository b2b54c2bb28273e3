// The command line is built once from the arguments the system keeps for
// the process (process_arguments.hpp); when it tells none, it is empty.
#include <cstdint>

#include "support/system/platform_services.hpp"
#include "support/system/posix/argument_joining.hpp"
#include "support/system/posix/process_arguments.hpp"

namespace conkit::os {
namespace {

// As long as a command line on Windows may be.
constexpr std::uint32_t kCommandLineSize = 32768;

char commandLine[kCommandLineSize] = {};

// Arguments beyond this many bytes could not fit in the command line.
char arguments[kCommandLineSize] = {};

const char* BuildCommandLine() {
    JoinArguments(arguments, ReadProcessArguments(arguments, kCommandLineSize), commandLine,
                  kCommandLineSize);
    return commandLine;
}

}  // namespace

const char* PlatformServices::GetCommandLineA() {
    static const char* const line = BuildCommandLine();
    return line;
}

}  // namespace conkit::os
