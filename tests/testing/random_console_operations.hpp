// Random sequences of console output operations applied alike to a reference
// host and to a host under test: cursor moves (some outside the buffer),
// attributes, processed writes that wrap and scroll, and cell writes. The
// sequence depends only on the seed and the buffer size, so every host's
// differential test can replay the same one.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "conkit/host/console_host.hpp"

namespace conkit::testing {

// One host and the output handle its calls take.
struct HostOutput {
    host::ConsoleHost& host;
    host::Handle output;
};

class RandomConsoleOperations {
  public:
    RandomConsoleOperations(std::uint32_t seed, host::Coord buffer)
        : random_(seed), buffer_(buffer) {}

    // Runs one operation on both hosts and returns what it was.
    std::string Step(HostOutput reference, HostOutput tested);

  private:
    int Pick(int low, int high);
    std::uint16_t Attribute();
    host::Coord Start();
    std::string Text();

    std::mt19937 random_;
    host::Coord buffer_;
};

}  // namespace conkit::testing
