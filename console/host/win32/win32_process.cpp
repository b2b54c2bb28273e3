// The process services the console seam carries: the pause and the exit.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include "console/host/win32/win32_host.hpp"

namespace conkit::host {

void Win32Host::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

void Win32Host::ExitProcess(std::uint32_t status) {
    ::ExitProcess(status);
}

}  // namespace conkit::host
