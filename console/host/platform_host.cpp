// Until a real console host exists on this platform, programs draw into an
// in-memory screen of the classic 80x25 size.
#include "console/host/console_host.hpp"
#include "console/host/memory/memory_host.hpp"

namespace conkit::host {

ConsoleHost& PlatformHost() {
    static MemoryHost host(80, 25);
    return host;
}

}  // namespace conkit::host
