#include "conkit/files/file_access.hpp"

#include "conkit/system/system_services.hpp"

namespace conkit {
namespace {

// Each call fills its cell; nothing else reads it.
std::uint32_t lastReadCount = 0;
std::uint32_t lastWriteCount = 0;

}  // namespace

FileHandle OpenFileForReading(const char* name) {
    return os::CurrentSystem().CreateFileA(name, os::kGenericRead, 0, os::kOpenExisting,
                                           os::kFileAttributeNormal);
}

FileHandle OpenFileForWriting(const char* name) {
    return os::CurrentSystem().CreateFileA(name, os::kGenericWrite, 0, os::kCreateAlways,
                                           os::kFileAttributeNormal);
}

FileReadResult ReadFileBytes(FileHandle file, void* buffer, std::uint32_t count) {
    os::SystemServices& services = os::CurrentSystem();
    if (!services.ReadFile(file, buffer, count, &lastReadCount)) {
        return {services.GetLastError(), false};
    }
    return {lastReadCount, true};
}

std::uint32_t WriteFileBytes(FileHandle file, const void* buffer, std::uint32_t count) {
    // A failed write must not report the count of an earlier one, whatever
    // the services leave in the cell.
    lastWriteCount = 0;
    os::CurrentSystem().WriteFile(file, buffer, count, &lastWriteCount);
    return lastWriteCount;
}

bool ReleaseFileHandle(FileHandle file) {
    return os::CurrentSystem().CloseHandle(file);
}

}  // namespace conkit
