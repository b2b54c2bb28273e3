// A test fixture that puts a fresh memory host in use and makes the console
// layer fetch its handles anew, as at the start of a process; afterwards the
// host in use before comes back, so no test leaves a dangling one behind.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "conkit/memory_console.hpp"
#include "console/host/installed_host.hpp"
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

class MemoryConsoleTest : public ::testing::Test {
  protected:
    explicit MemoryConsoleTest(std::uint16_t columns = 80, std::uint16_t rows = 25)
        : console_(std::make_unique<host::memory::MemoryHost>(columns, rows)),
          previous_(host::ExchangeHost(console_.get())) {
        host::ResetConsoleState();
    }

    ~MemoryConsoleTest() override {
        host::ExchangeHost(previous_);
        host::ResetConsoleState();
    }

    host::memory::MemoryHost& console() { return *console_; }

    // Queues the key presses that type text; "\r" is Enter.
    void Type(std::string_view text) {
        for (const char c : text) {
            ASSERT_TRUE(console_->QueueKey(MakeCharacterPress(c)));
        }
    }

    // The texts of the console writes since the trace was last cleared, in
    // order.
    std::vector<std::string> Writes() const {
        std::vector<std::string> texts;
        for (const host::memory::LogEntry& entry : console_->Log()) {
            if (entry.operation == host::memory::Operation::writeConsole) {
                texts.push_back(entry.text);
            }
        }
        return texts;
    }

  private:
    std::unique_ptr<host::memory::MemoryHost> console_;
    host::ConsoleHost* previous_;
};

}  // namespace conkit::testing
