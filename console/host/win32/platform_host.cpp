#include "console/host/win32/win32_host.hpp"

namespace conkit::host {

ConsoleHost& PlatformHost() {
    static win32::Win32Host host;
    return host;
}

}  // namespace conkit::host
