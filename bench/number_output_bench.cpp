// The number writers against printf and against std::to_chars, each writing
// one number per write(2) into a pipe that the benchmark drains itself, so a
// write never blocks.
//
//   number_output_bench --benchmark_filter=Decimal
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "conkit/host/console_host.hpp"
#include "conkit/numbers.hpp"

namespace {

// A pipe whose read end the benchmark empties whenever the next numbers
// might not fit.
class PipeSink {
  public:
    PipeSink() {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            std::perror("pipe2");
            std::exit(1);
        }
        readEnd_ = fds[0];
        writeEnd_ = fds[1];
        fcntl(writeEnd_, F_SETPIPE_SZ, 1 << 20);
        fcntl(readEnd_, F_SETFL, O_NONBLOCK);
        capacity_ = static_cast<std::uint32_t>(fcntl(writeEnd_, F_GETPIPE_SZ));
    }

    int WriteEnd() const { return writeEnd_; }

    void Write(const char* chars, std::uint32_t count) {
        pending_ += static_cast<std::uint32_t>(write(writeEnd_, chars, count));
    }

    // Empties the pipe outside the timed region once it is half full.
    void DrainIfNeeded(benchmark::State& state) {
        if (pending_ < capacity_ / 2) {
            return;
        }
        state.PauseTiming();
        std::array<char, 1 << 16> buffer;
        while (read(readEnd_, buffer.data(), buffer.size()) > 0) {
        }
        pending_ = 0;
        state.ResumeTiming();
    }

    // For writers that go round the sink (dprintf).
    void Count(int written) { pending_ += static_cast<std::uint32_t>(written); }

  private:
    int readEnd_ = -1;
    int writeEnd_ = -1;
    std::uint32_t capacity_ = 0;
    std::uint32_t pending_ = 0;
};

PipeSink& Sink() {
    static PipeSink sink;
    return sink;
}

// A console whose only working call is WriteConsoleA: one write(2) into the
// pipe per call.
class PipeHost final : public conkit::host::ConsoleHost {
  public:
    using Handle = conkit::host::Handle;
    using Coord = conkit::host::Coord;

    Handle GetStdHandle(conkit::host::StdHandle which) override {
        return which == conkit::host::StdHandle::output ? 1 : 0;
    }
    bool SetConsoleCursorPosition(Handle, Coord) override { return false; }
    bool SetConsoleTextAttribute(Handle, std::uint16_t) override { return false; }
    bool WriteConsoleA(Handle, const char* chars, std::uint32_t count,
                       std::uint32_t* written) override {
        Sink().Write(chars, count);
        *written = count;
        return true;
    }
    bool GetConsoleMode(Handle, std::uint32_t*) override { return false; }
    bool SetConsoleMode(Handle, std::uint32_t) override { return false; }
    bool PeekConsoleInputA(Handle, conkit::host::InputRecord*, std::uint32_t,
                           std::uint32_t* count) override {
        *count = 0;
        return false;
    }
    bool ReadConsoleInputA(Handle, conkit::host::InputRecord*, std::uint32_t,
                           std::uint32_t* count) override {
        *count = 0;
        return false;
    }
    bool FlushConsoleInputBuffer(Handle) override { return false; }
    bool ReadConsoleA(Handle, char*, std::uint32_t, std::uint32_t* read) override {
        *read = 0;
        return false;
    }
    bool GetConsoleScreenBufferInfo(Handle, conkit::host::ScreenBufferInfo*) override {
        return false;
    }
    bool WriteConsoleOutputCharacterA(Handle, const char*, std::uint32_t, Coord,
                                      std::uint32_t*) override {
        return false;
    }
    bool WriteConsoleOutputAttribute(Handle, const std::uint16_t*, std::uint32_t, Coord,
                                     std::uint32_t*) override {
        return false;
    }
    bool ReadConsoleOutputCharacterA(Handle, char*, std::uint32_t, Coord, std::uint32_t*) override {
        return false;
    }
    bool ReadConsoleOutputAttribute(Handle, std::uint16_t*, std::uint32_t, Coord,
                                    std::uint32_t*) override {
        return false;
    }
    void Sleep(std::uint32_t) override {}
    [[noreturn]] void ExitProcess(std::uint32_t status) override {
        std::exit(static_cast<int>(status));
    }
};

// Values of every length, the same for every contender.
constexpr std::size_t kValueCount = 4096;
const std::array<std::uint32_t, kValueCount>& Values() {
    static const std::array<std::uint32_t, kValueCount> values = [] {
        std::array<std::uint32_t, kValueCount> generated{};
        std::mt19937 random(7);
        for (std::uint32_t& value : generated) {
            // A random bit length spreads the values over every digit count.
            value = static_cast<std::uint32_t>(random()) >> (random() % 32U);
        }
        return generated;
    }();
    return values;
}

// Runs write(value) over the values, draining the pipe as it fills.
template <typename Writer>
void Run(benchmark::State& state, Writer writer) {
    const auto& values = Values();
    std::size_t next = 0;
    for (auto _ : state) {
        writer(values[next]);
        next = (next + 1) % kValueCount;
        Sink().DrainIfNeeded(state);
    }
    state.SetItemsProcessed(state.iterations());
}

void WriteOut(const char* begin, const char* end) {
    Sink().Write(begin, static_cast<std::uint32_t>(end - begin));
}

// Upper-case hexadecimal, zero-padded to eight digits.
char* HexToChars(char* out, std::uint32_t value) {
    char digits[8];
    const auto end = std::to_chars(digits, digits + 8, value, 16).ptr;
    const auto length = static_cast<std::size_t>(end - digits) & 0xFU;
    std::fill(out, out + 8, '0');
    for (std::size_t i = 0; i < length && i < 8; ++i) {
        const char c = digits[i];
        out[8 - length + i] = c >= 'a' ? static_cast<char>(c - ('a' - 'A')) : c;
    }
    return out + 8;
}

// Thirty-two binary digits in groups of four, one blank between groups.
char* BinaryToChars(char* out, std::uint32_t value) {
    char digits[32];
    const auto end = std::to_chars(digits, digits + 32, value, 2).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    char* at = out;
    for (std::size_t i = 0; i < 32; ++i) {
        if (i > 0 && i % 4 == 0) {
            *at++ = ' ';
        }
        *at++ = i < 32 - length ? '0' : digits[i - (32 - length)];
    }
    return at;
}

constexpr std::array<const char*, 16> kNibbles = {"0000", "0001", "0010", "0011", "0100", "0101",
                                                  "0110", "0111", "1000", "1001", "1010", "1011",
                                                  "1100", "1101", "1110", "1111"};

const char* Nibble(std::uint32_t value, std::uint32_t group) {
    return kNibbles[(value >> (28U - 4U * group)) & 0xFU];
}

// --- Decimal ----------------------------------------------------------------

void ConkitDecimal(benchmark::State& state) {
    Run(state, [](std::uint32_t value) { conkit::EmitDecimal(value); });
}

void PrintfDecimal(benchmark::State& state) {
    Run(state, [](std::uint32_t value) { Sink().Count(dprintf(Sink().WriteEnd(), "%u", value)); });
}

void ToCharsDecimal(benchmark::State& state) {
    Run(state, [](std::uint32_t value) {
        char text[12];
        WriteOut(text, std::to_chars(text, text + sizeof text, value).ptr);
    });
}

// --- Signed -----------------------------------------------------------------

void ConkitSigned(benchmark::State& state) {
    Run(state, [](std::uint32_t value) { conkit::EmitSigned(static_cast<std::int32_t>(value)); });
}

void PrintfSigned(benchmark::State& state) {
    Run(state, [](std::uint32_t value) {
        Sink().Count(dprintf(Sink().WriteEnd(), "%+d", static_cast<std::int32_t>(value)));
    });
}

void ToCharsSigned(benchmark::State& state) {
    Run(state, [](std::uint32_t value) {
        const auto number = static_cast<std::int32_t>(value);
        char text[12];
        char* start = text;
        if (number >= 0) {
            *start++ = '+';
        }
        WriteOut(text, std::to_chars(start, text + sizeof text, number).ptr);
    });
}

// --- Hexadecimal ------------------------------------------------------------

void ConkitHex(benchmark::State& state) {
    Run(state, [](std::uint32_t value) { conkit::EmitHex(value); });
}

void PrintfHex(benchmark::State& state) {
    Run(state,
        [](std::uint32_t value) { Sink().Count(dprintf(Sink().WriteEnd(), "%08X", value)); });
}

void ToCharsHex(benchmark::State& state) {
    Run(state, [](std::uint32_t value) {
        char text[8];
        WriteOut(text, HexToChars(text, value));
    });
}

// --- Binary -----------------------------------------------------------------

void ConkitBinary(benchmark::State& state) {
    Run(state, [](std::uint32_t value) { conkit::EmitBinary(value); });
}

void PrintfBinary(benchmark::State& state) {
    Run(state, [](std::uint32_t value) {
        Sink().Count(dprintf(Sink().WriteEnd(), "%s %s %s %s %s %s %s %s", Nibble(value, 0),
                             Nibble(value, 1), Nibble(value, 2), Nibble(value, 3), Nibble(value, 4),
                             Nibble(value, 5), Nibble(value, 6), Nibble(value, 7)));
    });
}

void ToCharsBinary(benchmark::State& state) {
    Run(state, [](std::uint32_t value) {
        char text[39];
        WriteOut(text, BinaryToChars(text, value));
    });
}

BENCHMARK(ConkitDecimal);
BENCHMARK(ToCharsDecimal);
BENCHMARK(PrintfDecimal);
BENCHMARK(ConkitSigned);
BENCHMARK(ToCharsSigned);
BENCHMARK(PrintfSigned);
BENCHMARK(ConkitHex);
BENCHMARK(ToCharsHex);
BENCHMARK(PrintfHex);
BENCHMARK(ConkitBinary);
BENCHMARK(ToCharsBinary);
BENCHMARK(PrintfBinary);

}  // namespace

int main(int argc, char** argv) {
    static PipeHost host;
    conkit::host::InstallHost(host);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
