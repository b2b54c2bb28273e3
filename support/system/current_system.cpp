#include "conkit/system/system_services.hpp"

namespace conkit::os {
namespace {
SystemServices* installedSystem = nullptr;
}

SystemServices& CurrentSystem() {
    if (installedSystem == nullptr) {
        installedSystem = &PlatformSystem();
    }
    return *installedSystem;
}

void InstallSystem(SystemServices& services) {
    installedSystem = &services;
}

}  // namespace conkit::os
