#include "support/system/posix/argument_joining.hpp"

#include <cstring>
#include <string_view>

namespace conkit::os {
namespace {

bool NeedsQuotes(std::string_view argument) {
    return argument.empty() || argument.find_first_of(" \t") != std::string_view::npos;
}

// Writes argument so that the Windows command-line parser reads it back
// unchanged: a double quote gets a backslash, and the backslashes just
// before a double quote (or before the closing quote) are doubled; other
// backslashes stand for themselves. Returns the length; with out null it
// only counts.
std::size_t EncodeArgument(std::string_view argument, char* out) {
    const bool quoted = NeedsQuotes(argument);
    std::size_t length = 0;
    const auto put = [&](char ch, std::size_t times) {
        for (std::size_t i = 0; i < times; ++i) {
            if (out != nullptr) {
                out[length] = ch;
            }
            ++length;
        }
    };
    put('"', quoted ? 1 : 0);
    std::size_t backslashes = 0;
    for (const char ch : argument) {
        if (ch == '\\') {
            ++backslashes;
            continue;
        }
        put('\\', ch == '"' ? 2 * backslashes + 1 : backslashes);
        put(ch, 1);
        backslashes = 0;
    }
    put('\\', quoted ? 2 * backslashes : backslashes);
    put('"', quoted ? 1 : 0);
    return length;
}

// The program name loses its double quotes and is quoted when it holds a
// blank; the tail's reader takes backslashes in it as they are.
std::size_t EncodeProgramName(std::string_view name, char* out) {
    const bool quoted = NeedsQuotes(name);
    std::size_t length = 0;
    const auto put = [&](char ch) {
        if (out != nullptr) {
            out[length] = ch;
        }
        ++length;
    };
    if (quoted) {
        put('"');
    }
    for (const char ch : name) {
        if (ch != '"') {
            put(ch);
        }
    }
    if (quoted) {
        put('"');
    }
    return length;
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

        const std::size_t blank = programName ? 0 : 1;
        const std::size_t needed = blank + (programName ? EncodeProgramName(argument, nullptr)
                                                        : EncodeArgument(argument, nullptr));
        // One byte more stays free for the terminator.
        if (needed >= capacity - length) {
            break;
        }
        if (!programName) {
            line[length++] = ' ';
        }
        length +=
            static_cast<std::uint32_t>(programName ? EncodeProgramName(argument, line + length)
                                                   : EncodeArgument(argument, line + length));
        programName = false;
    }
    line[length] = '\0';
    return length;
}

}  // namespace conkit::os
