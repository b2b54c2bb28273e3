#include "support/system/posix/argument_joining.hpp"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace conkit::system {
namespace {

bool NeedsQuotes(std::string_view argument) {
    return argument.empty() || argument.find_first_of(" \t") != std::string_view::npos;
}

}  // namespace

std::uint32_t JoinArguments(const char* arguments, std::uint32_t size, char* line,
                            std::uint32_t capacity) {
    std::uint32_t length = 0;
    const char* next = arguments;
    const char* const end = arguments + size;
    bool programName = true;
    while (next < end) {
        const auto* zero =
            static_cast<const char*>(std::memchr(next, '\0', static_cast<std::size_t>(end - next)));
        if (zero == nullptr) {
            break;
        }
        const std::string_view argument(next, static_cast<std::size_t>(zero - next));
        next = zero + 1;

        const std::size_t dropped =
            programName
                ? static_cast<std::size_t>(std::count(argument.begin(), argument.end(), '"'))
                : 0;
        const bool quoted = NeedsQuotes(argument);
        std::size_t needed = argument.size() - dropped + (quoted ? 2U : 0U);
        if (!programName) {
            ++needed;  // the blank before it
        }
        // One byte more stays free for the terminator.
        if (needed >= capacity - length) {
            break;
        }
        if (!programName) {
            line[length++] = ' ';
        }
        if (quoted) {
            line[length++] = '"';
        }
        for (const char ch : argument) {
            if (!programName || ch != '"') {
                line[length++] = ch;
            }
        }
        if (quoted) {
            line[length++] = '"';
        }
        programName = false;
    }
    line[length] = '\0';
    return length;
}

}  // namespace conkit::system
