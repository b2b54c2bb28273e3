#include "support/system/posix/posix_system.hpp"

namespace conkit::system {

SystemServices& PlatformSystem() {
    static PosixSystem services;
    return services;
}

}  // namespace conkit::system
