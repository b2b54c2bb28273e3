#include "conkit/dumps/last_error.hpp"

#include <cstdint>

#include "conkit/numbers.hpp"
#include "conkit/output.hpp"
#include "conkit/system/system_services.hpp"

namespace conkit {

namespace {
std::uint32_t lastErrorCode = 0;
char* lastErrorText = nullptr;
}  // namespace

void ReportLastError() {
    os::SystemServices& services = os::CurrentSystem();
    // Fetched before anything is written: a write may set a new one.
    lastErrorCode = services.GetLastError();
    EmitText("Error ");
    EmitDecimal(lastErrorCode);
    EmitText(": ");
    // Cleared first, so that a code with no text never writes or frees the
    // text of an earlier call.
    lastErrorText = nullptr;
    const std::uint32_t length =
        services.FormatMessageA(os::kFormatMessageAllocateBuffer | os::kFormatMessageFromSystem,
                                lastErrorCode, &lastErrorText);
    if (length == 0 || lastErrorText == nullptr) {
        return;
    }
    EmitText(lastErrorText);
    services.LocalFree(lastErrorText);
    lastErrorText = nullptr;
}

}  // namespace conkit
