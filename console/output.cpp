#include "conkit/output.hpp"

#include "conkit/host/console_host.hpp"
#include "console/console_state.hpp"

namespace conkit {

std::uint8_t consoleReady = 0;
host::Handle inputHandle = host::kInvalidHandle;
host::Handle outputHandle = host::kInvalidHandle;
char scratchText[kScratchTextSize] = {};
std::uint32_t charactersWritten = 0;

namespace {
void EnsureConsole() {
    if (consoleReady == 0) {
        ConsoleInit();
    }
}
}  // namespace

void ConsoleInit() {
    host::ConsoleHost& console = host::CurrentHost();
    inputHandle = console.GetStdHandle(host::StdHandle::input);
    outputHandle = console.GetStdHandle(host::StdHandle::output);
    consoleReady = 1;
}

void SetCursorAt(std::uint8_t column, std::uint8_t row) {
    EnsureConsole();
    host::CurrentHost().SetConsoleCursorPosition(outputHandle, {column, row});
}

void ApplyTextAttribute(std::uint32_t attribute) {
    EnsureConsole();
    host::CurrentHost().SetConsoleTextAttribute(outputHandle,
                                                static_cast<std::uint16_t>(attribute & 0xFFFFU));
}

void EmitChar(std::uint8_t ch) {
    EnsureConsole();
    scratchText[0] = static_cast<char>(ch);
    host::CurrentHost().WriteConsoleA(outputHandle, scratchText, 1, &charactersWritten);
}

void EmitText(const char* text) {
    EnsureConsole();
    host::CurrentHost().WriteConsoleA(outputHandle, text, TextLength(text), &charactersWritten);
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
