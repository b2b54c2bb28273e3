#include <conkit/conkit.hpp>

namespace {
void EmitTwoDigits(std::uint32_t value) {
    conkit::EmitChar(static_cast<std::uint8_t>('0' + value / 10));
    conkit::EmitChar(static_cast<std::uint8_t>('0' + value % 10));
}
}  // namespace

int main() {
    const std::uint32_t ms = conkit::QueryMillisecondsOfDay();
    const std::uint32_t seconds = ms / 1000;
    EmitTwoDigits(seconds / 3600);
    conkit::EmitChar(':');
    EmitTwoDigits(seconds / 60 % 60);
    conkit::EmitChar(':');
    EmitTwoDigits(seconds % 60);
}

// Screen:
//   ##:##:##
