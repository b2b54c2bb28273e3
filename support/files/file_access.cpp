#include "conkit/files/file_access.hpp"

namespace conkit {
namespace {

// Each call fills its cell; nothing else reads it.
std::uint32_t lastReadCount = 0;
std::uint32_t lastWriteCount = 0;

}  // namespace

FileHandle OpenFileForReading(const char* name) {
    return system::CurrentSystem().CreateFileA(name, system::kGenericRead, 0, system::kOpenExisting,
                                               system::kFileAttributeNormal);
}

FileHandle OpenFileForWriting(const char* name) {
    return system::CurrentSystem().CreateFileA(name, system::kGenericWrite, 0,
                                               system::kCreateAlways, system::kFileAttributeNormal);
}

FileReadResult ReadFileBytes(FileHandle file, void* buffer, std::uint32_t count) {
    system::SystemServices& services = system::CurrentSystem();
    if (!services.ReadFile(file, buffer, count, &lastReadCount)) {
        return {services.GetLastError(), false};
    }
    return {lastReadCount, true};
}

std::uint32_t WriteFileBytes(FileHandle file, const void* buffer, std::uint32_t count) {
    // A failed write must not report the count of an earlier one, whatever
    // the services leave in the cell.
    lastWriteCount = 0;
    system::CurrentSystem().WriteFile(file, buffer, count, &lastWriteCount);
    return lastWriteCount;
}

bool ReleaseFileHandle(FileHandle file) {
    return system::CurrentSystem().CloseHandle(file);
}

}  // namespace conkit
