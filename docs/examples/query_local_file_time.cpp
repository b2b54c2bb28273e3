#include <conkit/conkit.hpp>

int main() {
    conkit::FileTime now{};
    conkit::QueryLocalFileTime(&now);
    const std::uint64_t ticks = std::uint64_t{now.highPart} << 32 | now.lowPart;
    const std::uint64_t days = ticks / 10'000'000 / 86'400;  // 100 ns ticks since 1601
    conkit::EmitText("days since 1 January 1601: ");
    conkit::EmitDecimal(static_cast<std::uint32_t>(days));
}

// Screen:
//   days since 1 January 1601: ######
