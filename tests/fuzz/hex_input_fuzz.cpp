// The hexadecimal number input on arbitrary typed lines: the bytes become
// key presses on a memory console, so the line editing runs too. The result
// is checked against the stored line.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "conkit/input/number_input.hpp"
#include "console/host/memory/memory_host.hpp"

namespace {

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// The digit value of ch, or -1 where the number ends.
int DigitValue(char ch) {
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    if ((ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f')) {
        return (ch & 0x0F) + 9;
    }
    if ((ch >= ':' && ch <= '@') || ch == '`') {
        return 255;
    }
    return -1;
}

void CheckAgainstStoredLine(conkit::UnsignedConversion result) {
    std::string_view line(conkit::lineInputBuffer);
    line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
    if (line.empty()) {
        Check(!result.valid && result.value == 0);
        return;
    }
    std::uint32_t value = 0;
    for (const char ch : line) {
        const int digit = DigitValue(ch);
        if (digit < 0) {
            break;
        }
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    Check(result.valid && result.value == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto console = std::make_unique<conkit::host::memory::MemoryHost>(40, 5);
    conkit::host::InstallHost(*console);
    conkit::host::ResetConsoleState();
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint16_t virtualKey = data[i] == '\r' ? 0x0D : 0;
        conkit::host::KeyEventRecord key;
        key.virtualKey = virtualKey;
        key.character = data[i];
        if (!console->QueueKey(key)) {
            break;
        }
    }
    conkit::host::KeyEventRecord enter;
    enter.virtualKey = 0x0D;
    enter.character = '\r';
    console->QueueKey(enter);
    while (console->QueuedEvents() > 0) {
        conkit::lineInputBuffer[0] = '\0';
        CheckAgainstStoredLine(conkit::ReadLineAsHex());
    }
    return 0;
}
