// For the key test in real terminal emulators: writes to the file named by
// its argument the row the console's cursor starts on ("start ROW"), then,
// for each key PollKey returns, "KEYCODE VIRTUALKEY CONTROLSTATE" in hex,
// one line each, until a plain "q".
#include <cstdio>

#include <conkit/conkit.hpp>

#include "conkit/host/console_host.hpp"

int main(int argc, char** argv) {
    using namespace conkit;
    if (argc != 2) {
        std::fputs("usage: key_probe OUTPUT\n", stderr);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    host::ConsoleHost& console = host::CurrentHost();
    host::ScreenBufferInfo info{};
    console.GetConsoleScreenBufferInfo(console.GetStdHandle(host::StdHandle::output), &info);
    std::fprintf(out, "start %u\n", static_cast<unsigned>(info.cursor.row));
    std::fflush(out);
    const host::Handle input = console.GetStdHandle(host::StdHandle::input);
    for (;;) {
        const PolledKey key = PollKey();
        if (!key.available) {
            console.AwaitInput(input, 10);
            continue;
        }
        std::fprintf(out, "%04X %02X %04X\n", key.keyCode, key.virtualKey, key.controlState);
        std::fflush(out);
        if (key.keyCode == 0x1071 && (key.controlState & 0x1F) == 0) {
            break;
        }
    }
    std::fclose(out);
}
