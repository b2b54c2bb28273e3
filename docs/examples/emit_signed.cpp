#include <conkit/conkit.hpp>

#include <cstdint>
#include <limits>

int main() {
    conkit::EmitSigned(0);
    conkit::EmitChar(' ');
    conkit::EmitSigned(-10);
    conkit::EmitChar(' ');
    conkit::EmitSigned(std::numeric_limits<std::int32_t>::min());
}

// Screen:
//   +0 -10 -2147483648
