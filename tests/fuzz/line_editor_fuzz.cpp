// The line editor on arbitrary key sequences, on screens of any width and
// with the line starting anywhere in its row. After every key the screen
// must show the line as the editor keeps it, and the line must be what a
// plain model of the editing keys makes of the same keys.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "console/host/line_editor.hpp"
#include "tests/testing/screen_echo.hpp"

namespace {

using conkit::host::InputRecord;
using conkit::host::LineEditor;

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// The editing keys over std::string: what the editor's line must be.
struct Model {
    std::string line;
    std::size_t cursor = 0;
    std::deque<std::string> history;
    std::size_t recalled = 0;

    void Set(const std::string& text) {
        line = text;
        cursor = line.size();
    }

    void Apply(std::uint16_t virtualKey, std::uint8_t ch) {
        if (virtualKey == 0x08 || ch == '\b') {
            if (cursor > 0) {
                line.erase(--cursor, 1);
            }
        } else if (virtualKey == 0x1B || ch == 0x1B || ch == 0x15) {
            Set("");
        } else if (ch == 0) {
            switch (virtualKey) {
                case 0x25:
                    cursor -= cursor > 0 ? 1 : 0;
                    break;
                case 0x27:
                    cursor += cursor < line.size() ? 1 : 0;
                    break;
                case 0x24:
                    cursor = 0;
                    break;
                case 0x23:
                    cursor = line.size();
                    break;
                case 0x2E:
                    if (cursor < line.size()) {
                        line.erase(cursor, 1);
                    }
                    break;
                case 0x26:
                    if (recalled > 0) {
                        Set(history[--recalled]);
                    }
                    break;
                case 0x28:
                    if (recalled < history.size()) {
                        ++recalled;
                        Set(recalled < history.size() ? history[recalled] : "");
                    }
                    break;
                default:
                    break;
            }
        } else if ((ch >= 0x20 || ch == '\t') && line.size() + 2 < LineEditor::kCapacity) {
            line.insert(cursor++, 1, static_cast<char>(ch));
        }
    }

    void Enter() {
        if (!line.empty() && (history.empty() || history.back() != line)) {
            history.push_back(line);
            if (history.size() > conkit::host::LineHistory::kLines) {
                history.pop_front();
            }
        }
        Set("");
        cursor = 0;
        recalled = history.size();
    }
};

constexpr std::uint16_t kKeys[] = {0x0D, 0x08, 0x2E, 0x25, 0x27, 0x24, 0x23, 0x26, 0x28, 0x1B};

InputRecord MakeKey(std::uint8_t kind, std::uint8_t value) {
    InputRecord record;
    record.key.virtualKey = 0;
    record.key.character = value;
    if (kind % 16 >= 6) {
        // An editing key, most with no character, or a key released.
        record.key.virtualKey = kKeys[(kind % 16 - 6) % 10];
        record.key.character = record.key.virtualKey == 0x0D   ? '\r'
                               : record.key.virtualKey == 0x08 ? '\b'
                               : record.key.virtualKey == 0x1B ? 0x1B
                                                               : 0;
        record.key.keyDown = (value & 0x80U) != 0 && kind % 16 == 15 ? 0 : 1;
    }
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const auto columns = static_cast<std::uint16_t>(2 + data[0] % 120);
    std::size_t at = 1;
    auto editor = std::make_unique<LineEditor>();
    Model model;
    while (at < size) {
        // A line: where it starts, whether it is echoed, then its keys.
        const std::uint8_t setup = data[at++];
        const bool echoed = (setup & 0x80U) == 0;
        const auto promptLength = static_cast<std::uint16_t>(setup % columns);
        conkit::testing::ScreenEcho echo(columns, 3);
        echo.screen.SetCursor({promptLength, 0});
        const std::uint32_t room = columns - 1U - promptLength;
        const bool nextRow = room < LineEditor::kMinimumRoom && room < columns - 1U;
        const conkit::host::Coord start{nextRow ? std::uint16_t{0} : promptLength,
                                        nextRow ? std::uint16_t{1} : std::uint16_t{0}};
        bool ended = false;
        bool begun = false;
        while (!ended && at + 1 < size) {
            const InputRecord key = MakeKey(data[at], data[at + 1]);
            at += 2;
            ended = editor->Feed(key, echoed ? &echo : nullptr);
            if (ended) {
                const std::string expected = model.line + "\r\n";
                model.Enter();
                std::string delivered;
                char piece[7];
                for (std::uint32_t n = 1; editor->HasDelivery(); n = n % 7 + 1) {
                    delivered.append(piece, editor->Deliver(piece, n));
                }
                Check(delivered == expected);
                continue;
            }
            if (key.key.keyDown != 0) {
                model.Apply(key.key.virtualKey, key.key.character);
                begun = true;
            }
            Check(editor->Line() == model.line && editor->CursorIndex() == model.cursor);
            // The editor takes the screen's layout with the first key pressed.
            if (echoed && !begun) {
                Check(echo.screen.Cursor() == conkit::host::Coord{promptLength, 0});
            } else if (echoed) {
                Check(conkit::testing::CheckShowsLine(echo.screen, start, editor->Line(),
                                                      editor->CursorIndex())
                          .empty());
            }
        }
        if (!ended) {
            break;
        }
    }
    return 0;
}
