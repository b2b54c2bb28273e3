// Wine's console breaks the console contract in a few places. Each function
// here mends one of them in the seam's own records, so the Windows host stays
// exact on Windows (where the records already hold) and under Wine alike.
// They need no Windows header and are tested on every platform.
#pragma once

#include "console/host/console_types.hpp"

namespace conkit::host {

// Escape reaches a Wine console with character 0; the key carries 0x1B.
// Returns the record with every such field mended; other records come back
// unchanged.
InputRecord MendInputRecord(const InputRecord& record);

}  // namespace conkit::host
