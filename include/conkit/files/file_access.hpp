// Files with fixed open arguments: open an existing file for reading, create
// or empty one for writing, read and write blocks of bytes, close. While a
// handle from these routines is open, no other open of the same file through
// them succeeds, in this process or another.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"
#include "conkit/files/file_handle.hpp"

namespace conkit {

// A read's outcome: with succeeded, value is the count of bytes read (0 at
// the end of the file); without it, value is the system's last-error code.
struct FileReadResult {
    std::uint32_t value;
    bool succeeded;
};

// Opens an existing file for reading. Returns its handle, or
// kInvalidFileHandle when the file is missing, already open or not
// readable; the reason is left as the last system error.
[[nodiscard]] CONKIT_SUPPORT_API FileHandle OpenFileForReading(const char* name);

// Creates the file, or empties an existing one, and opens it for writing.
// Returns its handle, or kInvalidFileHandle on failure (the reason is left
// as the last system error); a file that is already open is not emptied.
[[nodiscard]] CONKIT_SUPPORT_API FileHandle OpenFileForWriting(const char* name);

// Reads up to count bytes into buffer. Returns {bytes read, true}, or
// {last-error code, false} on failure.
[[nodiscard]] CONKIT_SUPPORT_API FileReadResult ReadFileBytes(FileHandle file, void* buffer,
                                                              std::uint32_t count);

// Writes count bytes from buffer. Returns the number of bytes that reached
// the file: count on success, less (0 for a write that did nothing) when an
// error stopped it.
CONKIT_SUPPORT_API std::uint32_t WriteFileBytes(FileHandle file, const void* buffer,
                                                std::uint32_t count);

// Closes the handle. Returns true on success, false on failure (an invalid
// or already closed handle).
CONKIT_SUPPORT_API bool ReleaseFileHandle(FileHandle file);

}  // namespace conkit
