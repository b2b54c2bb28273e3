#include <cerrno>

#include "support/system/posix/posix_system.hpp"

namespace conkit::system {

FileHandle PosixSystem::CreateFileA(const char*, std::uint32_t, std::uint32_t, std::uint32_t,
                                    std::uint32_t) {
    errno = ENOSYS;
    return kInvalidFileHandle;
}

bool PosixSystem::ReadFile(FileHandle, void*, std::uint32_t, std::uint32_t* read) {
    *read = 0;
    errno = ENOSYS;
    return false;
}

bool PosixSystem::WriteFile(FileHandle, const void*, std::uint32_t, std::uint32_t* written) {
    *written = 0;
    errno = ENOSYS;
    return false;
}

bool PosixSystem::CloseHandle(FileHandle) {
    errno = ENOSYS;
    return false;
}

}  // namespace conkit::system
