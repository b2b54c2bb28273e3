// A Windows program that includes <windows.h> after the kit compiles with
// the kit's own names and the system's IDYES, IDNO and INVALID_HANDLE_VALUE
// beside the kit's routines, qualified and under `using namespace conkit;`;
// windows_header_first_test.cpp runs them, in the other order.
#include "conkit/conkit.hpp"

#include <windows.h>

namespace {

static_assert(IDYES == conkit::kIdYes && IDNO == conkit::kIdNo);

[[maybe_unused]] bool OpenFailed(const char* name) {
    const conkit::FileHandle file = conkit::OpenFileForReading(name);
    return file == conkit::kInvalidFileHandle && file == INVALID_HANDLE_VALUE;
}

[[maybe_unused]] bool SaidYes() {
    using namespace conkit;
    const std::int32_t answer = AskYesNo("Go on?");
    return answer == IDYES || answer == kIdYes;
}

}  // namespace
