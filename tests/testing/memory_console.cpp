#include "tests/testing/memory_console.hpp"

#include <array>

namespace conkit::testing {

host::KeyEventRecord LetterKey(char letter) {
    // Set-1 scan codes of the letters a to z.
    static constexpr std::array<std::uint8_t, 26> kScan = {
        0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,
        0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
    const bool upper = letter >= 'A' && letter <= 'Z';
    const auto index = static_cast<std::size_t>(upper ? letter - 'A' : letter - 'a');
    return KeyDown(static_cast<std::uint16_t>('A' + index), kScan[index],
                   static_cast<std::uint8_t>(letter), upper ? host::kShiftPressed : 0);
}

}  // namespace conkit::testing
