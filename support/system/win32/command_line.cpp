#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include "support/system/win32/windows_system.hpp"

namespace conkit::os {

const char* WindowsSystem::GetCommandLineA() {
    return ::GetCommandLineA();
}

}  // namespace conkit::os
