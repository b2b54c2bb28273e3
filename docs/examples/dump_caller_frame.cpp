#include <conkit/conkit.hpp>

namespace {
// Parameters beyond the sixth travel on the stack on x86-64: two of them
// here, and no locals or saved registers.
[[gnu::noinline]] void Report(long a, long b, long c, long d, long e, long f, long g, long h) {
    conkit::DumpCallerFrame(2, 0, 0);
    conkit::EmitDecimal(static_cast<std::uint32_t>(a + b + c + d + e + f + g + h));
}
}  // namespace

int main() {
    // Read at run time, so the compiler cannot fold them into Report.
    volatile long seventh = 0x11;
    volatile long eighth = 0x22;
    Report(1, 2, 3, 4, 5, 6, seventh, eighth);
}

// Needs: x86-64 Linux
// Screen:
//   Stack Frame
//
//   0000000000000022  ebp+24 (parameter)
//   0000000000000011  ebp+16 (parameter)
//   %%%%%%%%%%%%%%%%  ebp+8 (return address)
//   %%%%%%%%%%%%%%%%  ebp+0 (saved ebp) <--- ebp <--- esp
//
//   72
