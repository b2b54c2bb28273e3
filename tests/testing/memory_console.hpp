// A test fixture that puts a fresh memory host in use and makes the console
// layer fetch its handles anew, as at the start of a process.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "console/console_state.hpp"
#include "console/host/memory/memory_host.hpp"

namespace conkit::testing {

inline host::KeyEventRecord KeyDown(std::uint16_t virtualKey, std::uint8_t scan,
                                    std::uint8_t character, std::uint32_t controlState = 0) {
    host::KeyEventRecord key;
    key.virtualKey = virtualKey;
    key.virtualScan = scan;
    key.character = character;
    key.controlState = controlState;
    return key;
}

// A lower-case letter as a US keyboard reports it.
host::KeyEventRecord LetterKey(char letter);

class MemoryConsoleTest : public ::testing::Test {
  protected:
    explicit MemoryConsoleTest(std::uint16_t columns = 80, std::uint16_t rows = 25)
        : console_(std::make_unique<host::MemoryHost>(columns, rows)) {
        host::InstallHost(*console_);
        consoleReady = 0;
    }

    host::MemoryHost& console() { return *console_; }

  private:
    std::unique_ptr<host::MemoryHost> console_;
};

}  // namespace conkit::testing
