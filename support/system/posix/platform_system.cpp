#include "support/system/posix/posix_system.hpp"

namespace conkit::os {
namespace {

// Ready before main: a first use that built it (a guard, an exit hook)
// could change errno before a caller read it.
constinit PosixSystem services;

}  // namespace

SystemServices& PlatformSystem() {
    return services;
}

}  // namespace conkit::os
