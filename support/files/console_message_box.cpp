#include "conkit/files/console_message_box.hpp"

#include <algorithm>

#include "conkit/host/console_host.hpp"
#include "conkit/keys.hpp"
#include "conkit/output.hpp"
#include "conkit/system/system_services.hpp"
#include "console/console_state.hpp"
#include "console/key_wait.hpp"
#include "support/text/blanks.hpp"

namespace conkit {
namespace {

// Text lines are at most this wide, and at most this many are shown; the
// saved cells need no more room than the largest box.
constexpr unsigned kMaxTextWidth = 60;
constexpr unsigned kMaxTextRows = 20;
constexpr unsigned kMaxBoxColumns = kMaxTextWidth + 4;
constexpr unsigned kMaxBoxRows = kMaxTextRows + 4;

// Black on light grey; the chosen button bright white on blue.
constexpr std::uint16_t kBoxAttribute = 0x70;
constexpr std::uint16_t kChosenAttribute = 0x1F;

// Double-line frame glyphs of code page 437.
constexpr char kTopLeft = '\xC9';
constexpr char kTopRight = '\xBB';
constexpr char kBottomLeft = '\xC8';
constexpr char kBottomRight = '\xBC';
constexpr char kHorizontal = '\xCD';
constexpr char kVertical = '\xBA';

constexpr char kOkButton[] = "[ OK ]";
constexpr char kYesButton[] = "[ Yes ]";
constexpr char kNoButton[] = "[ No ]";
constexpr unsigned kButtonGap = 2;
// From the first button's left edge to the second's.
constexpr unsigned kNoButtonOffset = sizeof kYesButton - 1 + kButtonGap;

constexpr std::uint8_t kEscape = 0x1B;
constexpr std::uint8_t kEnter = 0x0D;
constexpr std::uint32_t kVirtualTab = 0x09;
constexpr std::uint32_t kVirtualLeft = 0x25;
constexpr std::uint32_t kVirtualRight = 0x27;

struct TextLine {
    const char* start;
    unsigned length;
};

// Every count and position is in cells; rows and columns of the box count
// from its top-left corner.
struct Box {
    unsigned left;
    unsigned top;
    unsigned columns;  // the whole box, frame included
    unsigned rows;
    unsigned visibleColumns;  // what of it lies inside the buffer
    unsigned visibleRows;
    unsigned lineCount;
    unsigned buttonsColumn;
    bool yesNo;
    std::int32_t chosen;
};

TextLine textLines[kMaxTextRows];
char savedCharacters[kMaxBoxRows][kMaxBoxColumns];
std::uint16_t savedAttributes[kMaxBoxRows][kMaxBoxColumns];
char rowCharacters[kMaxBoxColumns];
std::uint16_t rowAttributes[kMaxBoxColumns];

host::Coord CellAt(unsigned column, unsigned row) {
    return {static_cast<std::uint16_t>(column), static_cast<std::uint16_t>(row)};
}

bool IsBreak(char ch) {
    return ch == '\n' || ch == '\r';
}

unsigned Length(const char* text, unsigned limit) {
    unsigned length = 0;
    while (length < limit && text[length] != '\0') {
        ++length;
    }
    return length;
}

// Splits text into lines of at most width characters, at line breaks and
// else at the last blank that fits (inside a word when none does). Returns
// the number of lines, at most maxLines.
unsigned WrapText(const char* text, unsigned width, unsigned maxLines) {
    unsigned count = 0;
    const char* p = text;
    while (*p != '\0' && count < maxLines) {
        unsigned length = 0;
        while (p[length] != '\0' && !IsBreak(p[length]) && length <= width) {
            ++length;
        }
        const char* next = p + length;
        if (length > width) {
            length = width;
            while (length > 0 && !IsBlank(p[length])) {
                --length;
            }
            length = length == 0 ? width : length;
            next = p + length;
            while (IsBlank(*next)) {
                ++next;
            }
        }
        // A break right where the line was wrapped ends that same line.
        if (*next == '\r' && next[1] == '\n') {
            next += 2;
        } else if (IsBreak(*next)) {
            ++next;
        }
        while (length > 0 && IsBlank(p[length - 1])) {
            --length;
        }
        textLines[count++] = {p, length};
        p = next;
    }
    return count;
}

unsigned ButtonsWidth(bool yesNo) {
    return yesNo ? kNoButtonOffset + sizeof kNoButton - 1 : sizeof kOkButton - 1;
}

Box LayOut(const char* text, const char* caption, bool yesNo, unsigned screenColumns,
           unsigned screenRows) {
    Box box{};
    box.yesNo = yesNo;
    box.chosen = yesNo ? kIdYes : kIdOk;
    const unsigned width = screenColumns > 4 ? std::min(screenColumns - 4, kMaxTextWidth) : 1;
    const unsigned rowsForText = screenRows > 4 ? screenRows - 4 : 0;
    box.lineCount = WrapText(text, width, std::min(rowsForText, kMaxTextRows));

    unsigned contentWidth =
        std::max(ButtonsWidth(yesNo), std::min(Length(caption, width) + 2, width));
    for (unsigned i = 0; i < box.lineCount; ++i) {
        contentWidth = std::max(contentWidth, textLines[i].length);
    }
    box.columns = contentWidth + 4;
    box.rows = box.lineCount + 4;
    box.left = screenColumns > box.columns ? (screenColumns - box.columns) / 2 : 0;
    box.top = screenRows > box.rows ? (screenRows - box.rows) / 2 : 0;
    box.visibleColumns = std::min(box.columns, screenColumns - box.left);
    box.visibleRows = std::min(box.rows, screenRows - box.top);
    box.buttonsColumn = 2 + (contentWidth - ButtonsWidth(yesNo)) / 2;
    return box;
}

// Puts text into the row buffers from column on, inside the frame.
void PutText(const Box& box, unsigned column, const char* text, unsigned length,
             std::uint16_t attribute) {
    for (unsigned i = 0; i < length && column + i < box.columns - 1; ++i) {
        rowCharacters[column + i] = text[i] == '\t' ? ' ' : text[i];
        rowAttributes[column + i] = attribute;
    }
}

void PutButton(const Box& box, unsigned column, const char* label, std::int32_t id) {
    PutText(box, column, label, Length(label, kMaxTextWidth),
            box.chosen == id ? kChosenAttribute : kBoxAttribute);
}

// Builds one row of the box in the row buffers and writes its visible part.
void DrawRow(const Box& box, unsigned row, const char* caption) {
    const unsigned last = box.columns - 1;
    const bool edge = row == 0 || row == box.rows - 1;
    std::fill_n(rowCharacters, box.columns, edge ? kHorizontal : ' ');
    std::fill_n(rowAttributes, box.columns, kBoxAttribute);
    rowCharacters[0] = row == 0 ? kTopLeft : edge ? kBottomLeft : kVertical;
    rowCharacters[last] = row == 0 ? kTopRight : edge ? kBottomRight : kVertical;

    if (row == 0) {
        // The caption sits between two blanks, centred in the top edge.
        const unsigned length = std::min(Length(caption, kMaxTextWidth), box.columns - 6);
        const unsigned column = (box.columns - length) / 2;
        PutText(box, column, caption, length, kBoxAttribute);
        rowCharacters[column - 1] = ' ';
        rowCharacters[column + length] = ' ';
    } else if (row <= box.lineCount) {
        const TextLine& line = textLines[row - 1];
        PutText(box, 2, line.start, line.length, kBoxAttribute);
    } else if (row == box.rows - 2) {
        if (box.yesNo) {
            PutButton(box, box.buttonsColumn, kYesButton, kIdYes);
            PutButton(box, box.buttonsColumn + kNoButtonOffset, kNoButton, kIdNo);
        } else {
            PutButton(box, box.buttonsColumn, kOkButton, kIdOk);
        }
    }
    if (row >= box.visibleRows) {
        return;
    }
    host::ConsoleHost& console = host::CurrentHost();
    const host::Coord start = CellAt(box.left, box.top + row);
    std::uint32_t written = 0;
    console.WriteConsoleOutputCharacterA(outputHandle, rowCharacters, box.visibleColumns, start,
                                         &written);
    console.WriteConsoleOutputAttribute(outputHandle, rowAttributes, box.visibleColumns, start,
                                        &written);
}

// Puts the cursor on the chosen button's label, where a terminal shows it.
void PointAtChoice(const Box& box) {
    const unsigned offset = box.chosen == kIdNo ? kNoButtonOffset : 0;
    host::CurrentHost().SetConsoleCursorPosition(
        outputHandle, CellAt(box.left + box.buttonsColumn + offset + 2, box.top + box.rows - 2));
}

void SaveCells(const Box& box) {
    host::ConsoleHost& console = host::CurrentHost();
    for (unsigned row = 0; row < box.visibleRows; ++row) {
        const host::Coord start = CellAt(box.left, box.top + row);
        std::uint32_t read = 0;
        console.ReadConsoleOutputCharacterA(outputHandle, savedCharacters[row], box.visibleColumns,
                                            start, &read);
        console.ReadConsoleOutputAttribute(outputHandle, savedAttributes[row], box.visibleColumns,
                                           start, &read);
    }
}

void RestoreCells(const Box& box) {
    host::ConsoleHost& console = host::CurrentHost();
    for (unsigned row = 0; row < box.visibleRows; ++row) {
        const host::Coord start = CellAt(box.left, box.top + row);
        std::uint32_t written = 0;
        console.WriteConsoleOutputCharacterA(outputHandle, savedCharacters[row], box.visibleColumns,
                                             start, &written);
        console.WriteConsoleOutputAttribute(outputHandle, savedAttributes[row], box.visibleColumns,
                                            start, &written);
    }
}

std::int32_t WaitForAnswer(Box& box, const char* caption) {
    for (;;) {
        const PolledKey key = AwaitKeyPress();
        const auto character = static_cast<std::uint8_t>(key.keyCode & 0xFFU);
        if (character == kEscape) {
            return box.yesNo ? kIdNo : kIdOk;
        }
        if (character == kEnter || character == ' ') {
            return box.chosen;
        }
        if (!box.yesNo) {
            continue;
        }
        if (character == 'y' || character == 'Y') {
            return kIdYes;
        }
        if (character == 'n' || character == 'N') {
            return kIdNo;
        }
        if (key.virtualKey == kVirtualLeft || key.virtualKey == kVirtualRight ||
            key.virtualKey == kVirtualTab) {
            box.chosen = box.chosen == kIdYes ? kIdNo : kIdYes;
            DrawRow(box, box.rows - 2, caption);
            PointAtChoice(box);
        }
    }
}

}  // namespace

std::int32_t ShowConsoleMessageBox(const char* text, const char* caption, std::uint32_t style) {
    const std::uint32_t buttons = style & 0x0FU;
    if (buttons != os::kMbOk && buttons != os::kMbYesNo) {
        return 0;
    }
    EnsureConsoleReady();
    host::ScreenBufferInfo before{};
    if (!host::CurrentHost().GetConsoleScreenBufferInfo(outputHandle, &before) ||
        before.size.column == 0 || before.size.row == 0) {
        return 0;
    }
    const char* shownCaption = caption != nullptr ? caption : "";
    Box box = LayOut(text != nullptr ? text : "", shownCaption, buttons == os::kMbYesNo,
                     before.size.column, before.size.row);
    SaveCells(box);
    host::CurrentHost().BeginOverlay(outputHandle);
    for (unsigned row = 0; row < box.rows; ++row) {
        DrawRow(box, row, shownCaption);
    }
    PointAtChoice(box);
    const std::int32_t answer = WaitForAnswer(box, shownCaption);
    RestoreCells(box);
    host::CurrentHost().EndOverlay(outputHandle);
    host::CurrentHost().SetConsoleCursorPosition(outputHandle, before.cursor);
    host::CurrentHost().SetConsoleTextAttribute(outputHandle, before.attribute);
    return answer;
}

}  // namespace conkit
