#include "conkit/dumps/memory_dump.hpp"

#include "conkit/numbers.hpp"
#include "conkit/output.hpp"
#include "conkit/screen.hpp"
#include "support/dumps/address_hex.hpp"

namespace conkit {

namespace {

constexpr std::uint32_t kBytesPerLine = 16;

void WriteWords(const std::uint8_t* unit, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i, unit += 4) {
        // Little-endian, and the unit need not be aligned.
        const std::uint32_t value = std::uint32_t{unit[0]} | std::uint32_t{unit[1]} << 8U |
                                    std::uint32_t{unit[2]} << 16U | std::uint32_t{unit[3]} << 24U;
        EmitHex(value);
        EmitText("  ");
    }
}

void WriteHalfWords(const std::uint8_t* unit, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i, unit += 2) {
        EmitHexByte(unit[1]);
        EmitHexByte(unit[0]);
        EmitText(" ");
    }
}

void WriteBytes(const std::uint8_t* unit, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i, ++unit) {
        EmitHexByte(*unit);
        EmitText(" ");
        if ((i + 1U) % kBytesPerLine == 0) {
            NewLine();
        }
    }
}

}  // namespace

void DumpMemoryBlock(const void* address, std::uint32_t count, std::uint32_t unitSize) {
    EmitText("\r\nDump of offset ");
    EmitAddressHex(reinterpret_cast<std::uintptr_t>(address));
    NewLine();
    EmitText("-------------------------------\r\n");
    const auto* first = static_cast<const std::uint8_t*>(address);
    if (unitSize == 4) {
        WriteWords(first, count);
    } else if (unitSize == 2) {
        WriteHalfWords(first, count);
    } else {
        WriteBytes(first, count);
    }
    NewLine();
}

}  // namespace conkit
