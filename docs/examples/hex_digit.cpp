#include <conkit/conkit.hpp>

int main() {
    for (std::uint8_t value = 0; value < 16; ++value) {
        conkit::EmitChar(static_cast<std::uint8_t>(conkit::HexDigit(value)));
    }
}

// Screen:
//   0123456789ABCDEF
