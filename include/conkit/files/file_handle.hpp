// The handle of a file opened through the kit, and the value a failed open
// returns.
#pragma once

#include <cstdint>

namespace conkit {

// On Windows the system's own HANDLE, elsewhere an integer that holds the
// descriptor.
#if defined(_WIN32)
using FileHandle = void*;
inline const FileHandle kInvalidFileHandle = reinterpret_cast<FileHandle>(~std::uintptr_t{0});
#else
using FileHandle = std::uintptr_t;
inline constexpr FileHandle kInvalidFileHandle = ~FileHandle{0};
#endif

// The same value under the Windows name. <windows.h> defines it as a macro,
// which then stands for this one: unqualified, INVALID_HANDLE_VALUE works
// whichever header comes first, while conkit::kInvalidFileHandle works
// everywhere.
#if !defined(INVALID_HANDLE_VALUE)
inline const FileHandle INVALID_HANDLE_VALUE = kInvalidFileHandle;
#endif

}  // namespace conkit
