#include "support/system/win32/windows_system.hpp"

namespace conkit::os {
namespace {

// Ready before main: a first use that built it (a guard, an exit hook)
// would change the last error before a caller could read it.
constinit WindowsSystem services;

}  // namespace

SystemServices& PlatformSystem() {
    return services;
}

}  // namespace conkit::os
