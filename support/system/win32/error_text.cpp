// The last error and its text, which the system allocates and LocalFree
// gives back.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include "support/system/platform_services.hpp"

namespace conkit::os {

std::uint32_t PlatformServices::GetLastError() {
    return ::GetLastError();
}

std::uint32_t PlatformServices::FormatMessageA(std::uint32_t flags, std::uint32_t code,
                                               char** text) {
    // With FORMAT_MESSAGE_ALLOCATE_BUFFER the buffer argument is the address
    // of the text pointer. A failed call may clear that pointer; the caller's
    // value is put back so that a failure stores nothing.
    char* const before = *text;
    const DWORD length =
        ::FormatMessageA(flags, nullptr, code, 0, reinterpret_cast<LPSTR>(text), 0, nullptr);
    if (length == 0) {
        *text = before;
    }
    return length;
}

void PlatformServices::LocalFree(char* text) {
    ::LocalFree(text);
}

}  // namespace conkit::os
