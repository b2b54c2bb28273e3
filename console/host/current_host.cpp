#include "conkit/host/console_host.hpp"

#include <cstdlib>

namespace conkit::host {
namespace {
ConsoleHost* installedHost = nullptr;
}

ConsoleHost& CurrentHost() {
    if (installedHost == nullptr) {
        installedHost = &PlatformHost();
    }
    return *installedHost;
}

void InstallHost(ConsoleHost& host) {
    installedHost = &host;
}

void ExitProcess(std::uint32_t status) {
    CurrentHost().ExitProcess(status);
    // A host that came back from ExitProcess broke its contract; never carry
    // on as if the process had ended.
    std::abort();
}

}  // namespace conkit::host
