#include <conkit/conkit.hpp>

namespace {
// No stack parameters, no locals, no saved registers: the frame is the
// return address and the saved frame base.
[[gnu::noinline]] void Report() {
    conkit::DumpNamedCallerFrame(0, 0, 0, "Report");
}
}  // namespace

int main() {
    Report();
}

// Needs: x86-64 Linux
// Screen:
//   Stack Frame for Report
//
//   %%%%%%%%%%%%%%%%  ebp+8 (return address)
//   %%%%%%%%%%%%%%%%  ebp+0 (saved ebp) <--- ebp <--- esp
