#include "conkit/screen.hpp"

#include <array>

#include "conkit/host/console_host.hpp"
#include "conkit/keys.hpp"
#include "conkit/output.hpp"
#include "console/console_state.hpp"

namespace conkit {

namespace {

constexpr char newLineText[] = "\r\n";
constexpr char promptText[] = "Press any key to continue...";

// A clear writes at most this many cells of each row.
constexpr std::uint32_t kClearRowCells = 512;

constexpr std::array<char, kClearRowCells> MakeBlankRow() {
    std::array<char, kClearRowCells> row{};
    row.fill(' ');
    return row;
}

constexpr std::array<char, kClearRowCells> blankRow = MakeBlankRow();
std::uint16_t attributeRow[kClearRowCells] = {};
std::uint32_t clearLength = 0;
host::Coord clearPosition{};
std::uint32_t cellsWritten = 0;

// Zeros when the output is not a console: the failed call leaves the record
// as it was.
host::ScreenBufferInfo ReadScreenBufferInfo() {
    host::ScreenBufferInfo info{};
    host::CurrentHost().GetConsoleScreenBufferInfo(outputHandle, &info);
    return info;
}

}  // namespace

void NewLine() {
    EnsureConsoleReady();
    EmitText(newLineText);
}

void ClearConsole() {
    EnsureConsoleReady();
    host::ConsoleHost& console = host::CurrentHost();
    host::ScreenBufferInfo info{};
    if (!console.GetConsoleScreenBufferInfo(outputHandle, &info)) {
        return;
    }
    clearLength = info.size.column > kClearRowCells ? kClearRowCells : info.size.column;
    for (std::uint32_t i = 0; i < clearLength; ++i) {
        attributeRow[i] = info.attribute;
    }
    // A separate count bounds the loop, whatever the row field does.
    for (std::uint32_t row = 0; row < info.size.row; ++row) {
        console.WriteConsoleOutputCharacterA(outputHandle, blankRow.data(), clearLength,
                                             clearPosition, &cellsWritten);
        console.WriteConsoleOutputAttribute(outputHandle, attributeRow, clearLength, clearPosition,
                                            &cellsWritten);
        ++clearPosition.row;
    }
    clearPosition.row = 0;
    console.SetConsoleCursorPosition(outputHandle, clearPosition);
}

ScreenSize QueryScreenSize() {
    EnsureConsoleReady();
    const host::ScreenBufferInfo info = ReadScreenBufferInfo();
    return {static_cast<std::uint8_t>(info.size.column & 0xFFU),
            static_cast<std::uint8_t>(info.size.row & 0xFFU)};
}

std::uint32_t QueryTextAttribute() {
    EnsureConsoleReady();
    return ReadScreenBufferInfo().attribute;
}

void PromptAnyKey() {
    EmitText(promptText);
    WaitKey();
}

}  // namespace conkit
