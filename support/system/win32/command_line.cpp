#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include "support/system/platform_services.hpp"

namespace conkit::os {

const char* PlatformServices::GetCommandLineA() {
    return ::GetCommandLineA();
}

}  // namespace conkit::os
