#include "support/system/platform_services.hpp"

namespace conkit::os {
namespace {

// Ready before main: a first use that built it (a guard, an exit hook)
// could change the last error (errno) before a caller read it.
constinit PlatformServices services;

}  // namespace

SystemServices& PlatformSystem() {
    return services;
}

}  // namespace conkit::os
