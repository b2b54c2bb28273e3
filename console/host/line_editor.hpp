// The console's own line editing for line-mode reads, fed one key event at a
// time so that every host (and a fuzzer) can drive it without a console.
// Echo goes through an EchoTarget; the finished line, with CR LF appended,
// is handed out in pieces as large as the reader asks for.
//
// Keys: typing inserts at the cursor; Backspace and Delete remove the
// character before or under it; Left, Right, Home and End move it; Escape or
// Ctrl+U clears the line; Up and Down walk through the lines entered before;
// Enter, or a line feed (what a tty that had its own line editing sends for
// Enter, as in lines typed ahead), ends the line. A character that does not
// fit is refused with a bell.
//
// The echo never needs the cursor to move up a row, because a console's BS
// stops at column 0: the editor shows the line within the rest of the row it
// starts on, and when the line is longer it shows the part around the cursor
// (the row scrolls sideways), redrawn with BS, characters and blanks only.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "conkit/host/console_types.hpp"
#include "console/host/line_history.hpp"

namespace conkit::host {

struct EchoLayout {
    std::uint32_t column = 0;  // where the next echoed character lands
    std::uint32_t width = 0;   // cells in a row; 0 when not known
};

// Where the editor writes its echo: the console output, with its processing
// of BS, CR and LF.
class EchoTarget {
  public:
    virtual void Echo(const char* chars, std::uint32_t count) = 0;

    // Asked when a line begins. A target that does not know its layout
    // (the default) gets the line echoed as if rows never ended.
    virtual EchoLayout Layout() const { return {}; }

  protected:
    ~EchoTarget() = default;
};

class LineEditor {
  public:
    // The longest line the editor keeps in its own storage, CR LF included;
    // typing beyond it is refused.
    static constexpr std::uint32_t kCapacity = LineHistory::kLineLength + 2;

    LineEditor() : line_(own_) {}
    // Keeps lines of up to storage.size() characters, CR LF included, in
    // the caller's storage (at least kCapacity), for reads that ask for
    // more than kCapacity characters at a time.
    explicit LineEditor(std::span<char> storage) : line_(storage) {}
    LineEditor(const LineEditor&) = delete;
    LineEditor& operator=(const LineEditor&) = delete;

    // The read in progress asks for count characters: the line typed for
    // it may be as long as that (or kCapacity, whichever is more), within
    // the storage. The rest of a longer line is kept for the next reads.
    void SetReadSize(std::uint32_t count);

    // When fewer cells than this are left on the row where a line begins,
    // the line begins on the next row instead.
    static constexpr std::uint32_t kMinimumRoom = 8;

    // Applies one input event. Returns true when it ended the line (Enter);
    // the line then waits to be delivered and further keys are not taken
    // until it has been delivered whole.
    bool Feed(const InputRecord& record, EchoTarget* echo);

    // True while a finished line still has characters to hand out.
    bool HasDelivery() const { return deliverFrom_ < deliverEnd_; }

    // Copies up to count characters of the finished line; the rest waits
    // for the next call. Returns the number copied.
    std::uint32_t Deliver(char* buffer, std::uint32_t count);

    // The line being edited, without CR LF, and the cursor's index in it.
    std::string_view Line() const { return {line_.data(), length_}; }
    std::uint32_t CursorIndex() const { return cursor_; }

  private:
    void Begin(EchoTarget* echo);
    void EditingKey(std::uint16_t virtualKey, EchoTarget* echo);
    void Insert(std::uint8_t character, EchoTarget* echo);
    void Remove(std::uint32_t index, EchoTarget* echo);
    void Replace(std::string_view text, EchoTarget* echo);
    void MoveCursor(std::uint32_t index, EchoTarget* echo);
    void Finish(EchoTarget* echo);
    void Show(std::uint32_t changedFrom, EchoTarget* echo);

    std::array<char, kCapacity> own_{};
    std::span<char> line_;
    std::uint32_t limit_ = kCapacity;
    std::uint32_t length_ = 0;
    std::uint32_t cursor_ = 0;
    std::uint32_t deliverFrom_ = 0;
    std::uint32_t deliverEnd_ = 0;

    // What the screen shows of the line: the cells from the line's first
    // cell to the row's last but one, so that no echo wraps.
    bool begun_ = false;
    std::uint32_t room_ = kCapacity;
    std::uint32_t viewFrom_ = 0;      // index of the first character shown
    std::uint32_t shownCells_ = 0;    // cells that show characters
    std::uint32_t screenCursor_ = 0;  // the cursor's cell, from the first

    LineHistory history_;
    std::uint32_t recalled_ = 0;  // history index Up and Down move from
};

}  // namespace conkit::host
