#include "conkit/host/console_host.hpp"

#include <cstdlib>

#include "console/host/installed_host.hpp"

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

ConsoleHost* ExchangeHost(ConsoleHost* host) {
    ConsoleHost* const previous = installedHost;
    installedHost = host;
    return previous;
}

void ExitProcess(std::uint32_t status) {
    CurrentHost().ExitProcess(status);
    // A host that came back from ExitProcess broke its contract; never carry
    // on as if the process had ended.
    std::abort();
}

}  // namespace conkit::host
