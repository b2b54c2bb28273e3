// A host's text calls as strings, for the tests of one host.
#pragma once

#include <cstdint>
#include <string>

#include "conkit/host/console_host.hpp"

namespace conkit::testing {

// Writes text to output; returns the count the host says it wrote.
inline std::uint32_t WriteText(host::ConsoleHost& host, host::Handle output,
                               const std::string& text) {
    std::uint32_t written = 0;
    host.WriteConsoleA(output, text.data(), static_cast<std::uint32_t>(text.size()), &written);
    return written;
}

// What one read of up to count characters from input gives.
inline std::string ReadText(host::ConsoleHost& host, host::Handle input, std::uint32_t count) {
    std::string buffer(count, '\0');
    std::uint32_t read = 0;
    host.ReadConsoleA(input, buffer.data(), count, &read);
    buffer.resize(read);
    return buffer;
}

}  // namespace conkit::testing
