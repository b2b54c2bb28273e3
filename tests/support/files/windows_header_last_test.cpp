// A Windows program that includes <windows.h> after the kit compiles with
// the system's IDYES, IDNO and INVALID_HANDLE_VALUE beside the kit's
// routines; windows_header_first_test.cpp runs them, in the other order.
#include "conkit/conkit.hpp"

#include <windows.h>

namespace {

static_assert(IDYES == 6 && IDNO == 7);

[[maybe_unused]] bool OpenFailed(const char* name) {
    return conkit::OpenFileForReading(name) == INVALID_HANDLE_VALUE;
}

[[maybe_unused]] bool SaidYes() {
    return conkit::AskYesNo("Go on?") == IDYES;
}

}  // namespace
