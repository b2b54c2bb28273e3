#include "conkit/output.hpp"

#include "conkit/host/console_host.hpp"
#include "console/console_state.hpp"

namespace conkit {

std::uint8_t consoleReady = 0;
host::Handle inputHandle = host::kInvalidHandle;
host::Handle outputHandle = host::kInvalidHandle;
char scratchText[kScratchTextSize] = {};

void EnsureConsoleReady() {
    if (consoleReady == 0) {
        ConsoleInit();
    }
}

namespace host {
void ResetConsoleState() {
    consoleReady = 0;
}
}  // namespace host

void ConsoleInit() {
    host::ConsoleHost& console = host::CurrentHost();
    inputHandle = console.GetStdHandle(host::StdHandle::input);
    outputHandle = console.GetStdHandle(host::StdHandle::output);
    consoleReady = 1;
}

void SetCursorAt(std::uint8_t column, std::uint8_t row) {
    EnsureConsoleReady();
    host::CurrentHost().SetConsoleCursorPosition(outputHandle, {column, row});
}

void ApplyTextAttribute(std::uint32_t attribute) {
    EnsureConsoleReady();
    host::CurrentHost().SetConsoleTextAttribute(outputHandle,
                                                static_cast<std::uint16_t>(attribute & 0xFFFFU));
}

void EmitChar(std::uint8_t ch) {
    EnsureConsoleReady();
    scratchText[0] = static_cast<char>(ch);
    std::uint32_t written = 0;
    host::CurrentHost().WriteConsoleA(outputHandle, scratchText, 1, &written);
}

void EmitText(const char* text) {
    EnsureConsoleReady();
    std::uint32_t written = 0;
    host::CurrentHost().WriteConsoleA(outputHandle, text, TextLength(text), &written);
}

std::uint32_t TextLength(const char* text) {
    std::uint32_t length = 0;
    while (text[length] != '\0') {
        ++length;
    }
    return length;
}

void PauseMs(std::uint32_t milliseconds) {
    host::CurrentHost().Sleep(milliseconds);
}

}  // namespace conkit
