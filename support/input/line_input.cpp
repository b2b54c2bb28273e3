#include "conkit/input/line_input.hpp"

#include "conkit/host/console_host.hpp"
#include "conkit/output.hpp"
#include "console/console_state.hpp"

namespace conkit {
namespace {

// Throws away the rest of an over-long line, up to and including its LF,
// reading one character at a time with the line editing off. A read that
// delivers nothing (the input has ended) ends the discard too.
void DiscardRestOfLine(host::ConsoleHost& console) {
    std::uint32_t savedMode = 0;
    const bool modeSaved = console.GetConsoleMode(inputHandle, &savedMode);
    if (modeSaved) {
        console.SetConsoleMode(inputHandle, 0);
    }
    char ch = 0;
    std::uint32_t read = 0;
    do {
        read = 0;
        console.ReadConsoleA(inputHandle, &ch, 1, &read);
    } while (read == 1 && ch != '\n');
    if (modeSaved) {
        console.SetConsoleMode(inputHandle, savedMode);
    }
}

}  // namespace

std::uint32_t ReadLineInput(char* buffer, std::uint32_t capacity) {
    if (capacity == 0) {
        return 0;
    }
    EnsureConsoleReady();
    host::ConsoleHost& console = host::CurrentHost();
    std::uint32_t delivered = 0;
    console.ReadConsoleA(inputHandle, buffer, capacity, &delivered);
    if (delivered == 0) {
        return 0;
    }
    // Only the characters just delivered count: what lies beyond them is
    // left over from an earlier, longer read.
    for (std::uint32_t i = 0; i < delivered; ++i) {
        if (buffer[i] == '\n') {
            const std::uint32_t length = i > 0 && buffer[i - 1] == '\r' ? i - 1 : i;
            buffer[length] = '\0';
            return length;
        }
    }
    if (delivered < capacity) {
        // The read ended without a line end and without filling the buffer
        // (the input ended mid-line): every character is kept.
        const std::uint32_t length = buffer[delivered - 1] == '\r' ? delivered - 1 : delivered;
        buffer[length] = '\0';
        return length;
    }
    buffer[capacity - 1] = '\0';
    DiscardRestOfLine(console);
    return capacity - 1;
}

}  // namespace conkit
