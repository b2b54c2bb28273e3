// Seam handles are the Windows handles themselves, carried as integers.
#pragma once

#include "conkit/host/console_types.hpp"

namespace conkit::host::win32 {

inline void* NativeHandle(Handle handle) {
    return reinterpret_cast<void*>(handle);
}

inline Handle SeamHandle(void* handle) {
    return reinterpret_cast<Handle>(handle);
}

}  // namespace conkit::host::win32
