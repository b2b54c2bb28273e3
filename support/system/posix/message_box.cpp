#include "support/system/posix/posix_system.hpp"

namespace conkit::system {

std::int32_t PosixSystem::MessageBoxA(const char*, const char*, std::uint32_t) {
    return 0;
}

}  // namespace conkit::system
