// Shared by the dump tests: a console wide and tall enough that no dump
// line wraps or scrolls, the text written to it, and addresses and slot
// values as the dumps show them.
#pragma once

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <string>

#include "tests/testing/memory_console.hpp"

namespace conkit::testing {

class DumpConsoleTest : public MemoryConsoleTest {
  protected:
    DumpConsoleTest() : MemoryConsoleTest(200, 100) {}

    // Everything written to the console so far, in order, as one text.
    std::string Written() const {
        std::string text;
        for (const std::string& write : Writes()) {
            text += write;
        }
        return text;
    }
};

// A pointer-sized value in upper-case hex: 8 digits on i386, 16 on x86-64.
inline std::string AddressHex(std::uintptr_t value) {
    char text[20];
    std::snprintf(text, sizeof text, "%0*" PRIXPTR, static_cast<int>(2 * sizeof value), value);
    return text;
}

}  // namespace conkit::testing
