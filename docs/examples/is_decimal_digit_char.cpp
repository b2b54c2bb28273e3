#include <conkit/conkit.hpp>

int main() {
    const char* text = "R2-D2 and C-3PO";
    for (const char* at = text; *at != '\0'; ++at) {
        const auto ch = static_cast<std::uint8_t>(*at);
        if (conkit::IsDecimalDigitChar(ch)) {
            conkit::EmitChar(ch);
        }
    }
}

// Screen:
//   223
