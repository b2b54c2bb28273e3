// The command tail on arbitrary command lines, and on the command lines
// built from arbitrary argument lists as the POSIX services build them:
// the tail splits back into the same arguments.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "conkit/text/command_tail.hpp"
#include "support/system/posix/argument_joining.hpp"
#include "tests/testing/fake_system.hpp"

namespace {

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

class CommandLineSystem final : public conkit::testing::FakeSystem {
  public:
    const char* GetCommandLineA() override { return line; }
    const char* line = "";
};

// Runs CopyCommandTail on line; returns its result and the tail copied.
// The bounded form must give the same tail, cut to the capacity, in a
// buffer no larger than the capacity: none, one byte, half and whole.
std::pair<bool, std::string> Tail(const char* line) {
    CommandLineSystem services;
    services.line = line;
    conkit::testing::ScopedSystem installed(services);
    std::vector<char> target(std::char_traits<char>::length(line) + 1, 'z');
    const bool copied = conkit::CopyCommandTail(target.data());
    const std::string tail(target.data());
    Check(conkit::CommandTailLength() == tail.size());
    const auto size = static_cast<std::uint32_t>(tail.size());
    for (const std::uint32_t capacity : {0U, 1U, size / 2 + 1, size, size + 1}) {
        std::vector<char> bounded(capacity, 'z');
        const conkit::CommandTailCopy copy = conkit::CopyCommandTail(bounded.data(), capacity);
        Check(copy.copied == copied && copy.cut == (capacity <= tail.size() && copied));
        Check(capacity == 0 || tail.compare(0, capacity - 1, bounded.data()) == 0);
    }
    return {copied, tail};
}

// What CopyCommandTail must give for line, found another way: the tail is a
// suffix of the line, after the name's first blank or closing quote.
void CheckTailOf(const std::string& line) {
    const auto [copied, tail] = Tail(line.c_str());
    std::size_t end = std::string::npos;
    const std::size_t stop = line.find_first_of(" \"");
    if (stop != std::string::npos && line[stop] == ' ') {
        end = stop + 1;
    } else if (stop != std::string::npos) {
        const std::size_t closing = line.find('"', stop + 1);
        end = closing == std::string::npos ? std::string::npos : closing + 1;
    }
    const std::string expected = end == std::string::npos ? "" : line.substr(end);
    Check(copied == !expected.empty() && tail == expected);
}

// Splits a tail as a Windows program's start-up code does: blanks and tabs
// separate arguments outside double quotes, a quote toggles quoting, and
// backslashes are literal unless they precede a quote (2n give n, 2n+1 give
// n and a literal quote).
std::vector<std::string> SplitTail(const std::string& tail) {
    std::vector<std::string> arguments;
    std::size_t i = 0;
    for (;;) {
        i = tail.find_first_not_of(" \t", i);
        if (i == std::string::npos) {
            return arguments;
        }
        std::string argument;
        bool quoted = false;
        while (i < tail.size() && (quoted || (tail[i] != ' ' && tail[i] != '\t'))) {
            const std::size_t quote = tail.find_first_not_of('\\', i);
            const std::size_t backslashes = (quote == std::string::npos ? tail.size() : quote) - i;
            if (backslashes > 0 && quote != std::string::npos && tail[quote] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                    i = quote + 1;
                } else {
                    i = quote;
                }
            } else if (backslashes > 0) {
                argument.append(backslashes, '\\');
                i += backslashes;
            } else if (tail[i] == '"') {
                quoted = !quoted;
                ++i;
            } else {
                argument += tail[i++];
            }
        }
        arguments.push_back(argument);
    }
}

void CheckJoinedArguments(const std::uint8_t* data, std::size_t size) {
    const auto* arguments = reinterpret_cast<const char*>(data);
    std::vector<std::string> pieces;
    for (std::size_t from = 0; from < size;) {
        const std::size_t zero = std::string(arguments + from, size - from).find('\0');
        if (zero == std::string::npos) {
            break;
        }
        pieces.emplace_back(arguments + from, zero);
        from += zero + 1;
    }

    const auto capacity = static_cast<std::uint32_t>(size * 3 + 3);
    std::vector<char> line(capacity, 'z');
    const std::uint32_t length = conkit::os::JoinArguments(
        arguments, static_cast<std::uint32_t>(size), line.data(), capacity);
    Check(length < capacity && line[length] == '\0');
    // The tail splits back into the arguments after the program's name.
    const auto [copied, tail] = Tail(line.data());
    const std::vector<std::string> after(pieces.begin() + (pieces.empty() ? 0 : 1), pieces.end());
    Check(copied == !after.empty() && SplitTail(tail) == after);

    // A short line keeps whole arguments only: it is a beginning of the full one.
    if (size > 0) {
        const std::uint32_t shortCapacity = 1U + data[0] % 32U;
        std::vector<char> shortLine(shortCapacity, 'z');
        const std::uint32_t shortLength = conkit::os::JoinArguments(
            arguments, static_cast<std::uint32_t>(size), shortLine.data(), shortCapacity);
        Check(shortLength < shortCapacity && shortLine[shortLength] == '\0');
        Check(std::string(line.data()).compare(0, shortLength, shortLine.data()) == 0);
        Check(shortLength == 0 || line[shortLength] == '\0' || line[shortLength] == ' ');
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckTailOf(std::string(reinterpret_cast<const char*>(data), size).c_str());
    CheckJoinedArguments(data, size);
    return 0;
}
