// The calling thread's last system error as its number and the system's
// own text for it.
#pragma once

#include "conkit/export.hpp"

namespace conkit {

// Writes "Error ", the last error code in unsigned decimal, ": " and the
// system's text for the code, with no line end added. A code the system has
// no text for gets "Error ", the number and ": " alone. No result.
CONKIT_SUPPORT_API void ReportLastError();

}  // namespace conkit
