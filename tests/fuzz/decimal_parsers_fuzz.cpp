// The two decimal conversions on arbitrary text, checked against a reference
// that compares digit strings instead of doing arithmetic.
#include <cstddef>
#include <cstdint>
#include <string>

#include "conkit/input/number_parsing.hpp"
#include "console/host/memory/memory_host.hpp"

namespace {

struct Expected {
    bool blanksOnly;     // the length is used up by blanks
    bool negative;       // a minus sign stands before the digits
    bool signed_;        // a sign character stands before the digits
    std::string digits;  // the digits, without leading zeros
    std::size_t digitCount;
};

Expected Reference(const std::string& text, std::size_t length) {
    Expected e{};
    std::size_t i = 0;
    while (i < length && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    e.blanksOnly = i == length;
    if (text[i] == '-' || text[i] == '+') {
        e.negative = text[i] == '-';
        e.signed_ = true;
        ++i;
    }
    const std::size_t first = i;
    while (text[i] >= '0' && text[i] <= '9') {
        ++i;
    }
    e.digitCount = i - first;
    std::string digits = text.substr(first, i - first);
    digits.erase(0, digits.find_first_not_of('0'));
    e.digits = digits;
    return e;
}

// Whether the digit string (no leading zeros) is at most limit.
bool AtMost(const std::string& digits, const std::string& limit) {
    return digits.size() < limit.size() || (digits.size() == limit.size() && digits <= limit);
}

std::int64_t Value(const std::string& digits) {
    return digits.empty() ? 0 : std::stoll(digits);
}

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static conkit::host::memory::MemoryHost console(80, 25);
    conkit::host::InstallHost(console);
    console.ClearTrace();

    const std::string text = std::string(reinterpret_cast<const char*>(data), size) + '\0';
    const auto length = static_cast<std::uint32_t>(size);
    const Expected e = Reference(text, size);

    const conkit::UnsignedConversion u = conkit::ParseUnsignedText(text.c_str(), length);
    if (e.blanksOnly) {
        Check(!u.valid && u.value == 0);
    } else if (e.signed_) {
        Check(u.valid && u.value == 0);
    } else if (AtMost(e.digits, "4294967295")) {
        Check(u.valid && u.value == static_cast<std::uint32_t>(Value(e.digits)));
    } else {
        Check(!u.valid && u.value == 0);
    }
    Check(console.Log().empty());

    const conkit::SignedConversion s = conkit::ParseSignedText(text.c_str(), length);
    const bool wrote = !console.Log().empty();
    if (e.blanksOnly) {
        Check(s.valid && s.value == 0 && !wrote);
    } else if (e.digitCount == 0) {
        Check(!s.valid && s.value == 0 && wrote);
    } else if (AtMost(e.digits, e.negative ? "2147483648" : "2147483647")) {
        const std::int64_t magnitude = Value(e.digits);
        Check(s.valid && !wrote && s.value == (e.negative ? -magnitude : magnitude));
    } else {
        Check(!s.valid && s.value == 0 && wrote);
    }
    return 0;
}
