// Number output into a file through the terminal host against printf in the
// same process: 100,000 numbers, each EmitDecimal + NewLine, and each
// printf("%u\r\n"), into the standard output, which must not be a terminal.
//
//   build/release/bench/redirected_output_bench > /dev/null
//
// Prints the best of five rounds of each, the ratio and the host's write(2)
// calls on stderr.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>

#include "conkit/host/console_host.hpp"
#include "conkit/numbers.hpp"
#include "conkit/screen.hpp"
#include "console/host/terminal/terminal_host.hpp"

namespace {

constexpr std::uint32_t kNumbers = 100'000;
constexpr int kRounds = 5;

double Seconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

}  // namespace

int main() {
    if (::isatty(1) == 1) {
        std::fprintf(stderr, "redirect the standard output: redirected_output_bench > /dev/null\n");
        return 2;
    }
    using conkit::host::terminal::TerminalHost;
    using conkit::host::terminal::TerminalSettings;
    TerminalHost host(0, 1, TerminalSettings{});
    conkit::host::InstallHost(host);
    double kit = 1e9;
    double c = 1e9;
    std::uint64_t calls = 0;
    for (int round = 0; round < kRounds; ++round) {
        const std::uint64_t before = host.Stats().writeCalls;
        auto start = std::chrono::steady_clock::now();
        for (std::uint32_t n = 0; n < kNumbers; ++n) {
            conkit::EmitDecimal(n);
            conkit::NewLine();
        }
        host.Sleep(0);  // a pause writes what is collected
        kit = std::min(kit, Seconds(std::chrono::steady_clock::now() - start));
        calls = host.Stats().writeCalls - before;

        start = std::chrono::steady_clock::now();
        for (std::uint32_t n = 0; n < kNumbers; ++n) {
            std::printf("%u\r\n", n);
        }
        std::fflush(stdout);
        c = std::min(c, Seconds(std::chrono::steady_clock::now() - start));
    }
    std::fprintf(stderr,
                 "%u numbers: conkit %.2f ms in %llu write(2) calls, printf %.2f ms; "
                 "ratio %.2f\n",
                 kNumbers, kit * 1e3, static_cast<unsigned long long>(calls), c * 1e3, kit / c);
    return 0;
}
