// Modal boxes through user32, with no owner window.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include "support/system/platform_services.hpp"

namespace conkit::os {

std::int32_t PlatformServices::MessageBoxA(const char* text, const char* caption,
                                           std::uint32_t style) {
    return ::MessageBoxA(nullptr, text, caption, style);
}

}  // namespace conkit::os
