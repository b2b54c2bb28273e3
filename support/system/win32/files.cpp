// Files through kernel32: no security attributes, no template, no
// overlapped records.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <type_traits>

#include "support/system/platform_services.hpp"

namespace conkit::os {

// A FileHandle is the system's HANDLE itself.
static_assert(std::is_same_v<FileHandle, HANDLE>);

FileHandle PlatformServices::CreateFileA(const char* name, std::uint32_t access,
                                         std::uint32_t shareMode, std::uint32_t disposition,
                                         std::uint32_t attributes) {
    return ::CreateFileA(name, access, shareMode, nullptr, disposition, attributes, nullptr);
}

bool PlatformServices::ReadFile(FileHandle file, void* buffer, std::uint32_t count,
                                std::uint32_t* read) {
    DWORD done = 0;
    const BOOL ok = ::ReadFile(file, buffer, count, &done, nullptr);
    *read = done;
    return ok != FALSE;
}

bool PlatformServices::WriteFile(FileHandle file, const void* buffer, std::uint32_t count,
                                 std::uint32_t* written) {
    DWORD done = 0;
    const BOOL ok = ::WriteFile(file, buffer, count, &done, nullptr);
    *written = done;
    return ok != FALSE;
}

bool PlatformServices::CloseHandle(FileHandle file) {
    return ::CloseHandle(file) != FALSE;
}

}  // namespace conkit::os
