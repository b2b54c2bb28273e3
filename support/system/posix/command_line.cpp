#include "support/system/posix/posix_system.hpp"

namespace conkit::system {

const char* PosixSystem::GetCommandLineA() {
    return "";
}

}  // namespace conkit::system
