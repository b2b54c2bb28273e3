#include "support/system/win32/windows_system.hpp"

namespace conkit::system {

SystemServices& PlatformSystem() {
    static WindowsSystem services;
    return services;
}

}  // namespace conkit::system
