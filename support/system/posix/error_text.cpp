// The last error on POSIX is errno; its text is strerror's, which belongs to
// the C library and is never freed here.
#include <cerrno>
#include <cstring>

#include "support/system/platform_services.hpp"

namespace conkit::os {

std::uint32_t PlatformServices::GetLastError() {
    return static_cast<std::uint32_t>(errno);
}

std::uint32_t PlatformServices::FormatMessageA(std::uint32_t /*flags*/, std::uint32_t code,
                                               char** text) {
    // strerror names unknown codes "Unknown error N"; that is no text for them.
    const int number = static_cast<int>(code);
    if (code > 0x7FFFFFFFU || std::strncmp(std::strerror(number), "Unknown error", 13) == 0) {
        return 0;
    }
    *text = std::strerror(number);
    return static_cast<std::uint32_t>(std::strlen(*text));
}

void PlatformServices::LocalFree(char* /*text*/) {}

}  // namespace conkit::os
