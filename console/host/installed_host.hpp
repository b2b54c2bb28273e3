// Swapping the host in use for a while and putting the earlier one back, as
// the memory console and the tests' fixture do around their lifetimes.
#pragma once

#include "conkit/host/console_host.hpp"

namespace conkit::host {

// Puts host in use (nullptr: none yet, so the platform's own is chosen on
// next use) and returns the one in use before, or nullptr if none was.
ConsoleHost* ExchangeHost(ConsoleHost* host);

}  // namespace conkit::host
