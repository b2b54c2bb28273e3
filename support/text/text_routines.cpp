#include "conkit/text/text_routines.hpp"

#include "conkit/output.hpp"

namespace conkit {

std::strong_ordering CompareText(const char* first, const char* second) {
    for (std::uint32_t i = 0;; ++i) {
        const auto a = static_cast<std::uint8_t>(first[i]);
        const auto b = static_cast<std::uint8_t>(second[i]);
        if (a != b) {
            return a <=> b;
        }
        if (a == 0) {
            return std::strong_ordering::equal;
        }
    }
}

void CopyText(const char* source, char* target) {
    const std::uint32_t length = TextLength(source);
    for (std::uint32_t i = 0; i <= length; ++i) {
        target[i] = source[i];
    }
}

void TrimTrailingChar(char* text, std::uint8_t ch) {
    std::uint32_t end = TextLength(text);
    while (end > 0 && static_cast<std::uint8_t>(text[end - 1]) == ch) {
        --end;
    }
    text[end] = '\0';
}

void UpperCaseText(char* text) {
    for (; *text != '\0'; ++text) {
        if (*text >= 'a' && *text <= 'z') {
            *text = static_cast<char>(*text & ~0x20);
        }
    }
}

}  // namespace conkit
