// The process services the console seam carries: the pause and the exit.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <cstring>

#include "console/host/input_end.hpp"
#include "console/host/win32/redirected_output.hpp"
#include "console/host/win32/win32_host.hpp"

namespace conkit::host::win32 {
namespace {

char modulePath[MAX_PATH + 1] = {};

// The program's file name without its folder and without ".exe": the name
// the program goes by on POSIX.
const char* ProgramName(std::size_t* length) {
    const DWORD got = ::GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
    const char* name = modulePath;
    for (DWORD i = 0; i < got; ++i) {
        if (modulePath[i] == '\\' || modulePath[i] == '/') {
            name = modulePath + i + 1;
        }
    }
    *length = std::strlen(name);
    constexpr std::size_t kSuffix = 4;
    if (*length > kSuffix && ::lstrcmpiA(name + *length - kSuffix, ".exe") == 0) {
        *length -= kSuffix;
    }
    return name;
}

void WriteError(const char* text, std::size_t length) {
    DWORD done = 0;
    ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), text, static_cast<DWORD>(length), &done, nullptr);
}

}  // namespace

void Win32Host::Sleep(std::uint32_t milliseconds) {
    FlushRedirected();
    ::Sleep(milliseconds);
}

void Win32Host::ExitProcess(std::uint32_t status) {
    FlushRedirected();
    ::ExitProcess(status);
}

void Win32Host::EndOfInput() {
    std::size_t length = 0;
    const char* name = ProgramName(&length);
    constexpr char kReason[] = ": input ended\n";
    WriteError(name, length);
    WriteError(kReason, sizeof kReason - 1);
    ExitProcess(kInputEndedStatus);
}

}  // namespace conkit::host::win32
