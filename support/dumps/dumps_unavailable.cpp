// The register and frame dumps where no assembly is written for the
// processor and system: each says so in one line, so that a program that
// calls one builds and runs everywhere.
#include "support/dumps/assembly_target.hpp"

#if !CONKIT_DUMPS_IN_ASSEMBLY

#include "conkit/dumps/frame_dump.hpp"
#include "conkit/dumps/register_dump.hpp"
#include "conkit/output.hpp"
#include "conkit/screen.hpp"

namespace conkit {

void DumpRegisterSet() {
    EmitText("DumpRegisterSet is not available on this processor and system");
    NewLine();
}

void DumpNamedCallerFrame(std::uint32_t, std::uint32_t, std::uint32_t, const char*) {
    EmitText("DumpNamedCallerFrame is not available on this processor and system");
    NewLine();
}

void DumpCallerFrame(std::uint32_t, std::uint32_t, std::uint32_t) {
    EmitText("DumpCallerFrame is not available on this processor and system");
    NewLine();
}

}  // namespace conkit

#endif
