#include "support/dumps/address_hex.hpp"

#include "conkit/numbers.hpp"

namespace conkit {

void EmitAddressHex(std::uintptr_t value) {
    const auto wide = static_cast<std::uint64_t>(value);
    if constexpr (sizeof(value) > sizeof(std::uint32_t)) {
        EmitHex(static_cast<std::uint32_t>(wide >> 32U));
    }
    EmitHex(static_cast<std::uint32_t>(wide));
}

}  // namespace conkit
