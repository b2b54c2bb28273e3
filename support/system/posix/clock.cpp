#include "support/system/posix/posix_system.hpp"

namespace conkit::system {

void PosixSystem::GetLocalTime(SystemTime* time) {
    *time = {};
}

void PosixSystem::GetSystemTime(SystemTime* time) {
    *time = {};
}

bool PosixSystem::SystemTimeToFileTime(const SystemTime*, std::uint64_t*) {
    return false;
}

}  // namespace conkit::system
