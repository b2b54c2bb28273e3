// An in-memory console for testing a program without a terminal: an exact
// model of a console screen buffer (cells of a character and an attribute,
// the cursor, output processing, line editing) and of its input queue.
//
// While one lives it is the console in use, and the console routines fetch
// its handles; when it goes, the console in use before it comes back. Its
// clock is virtual: a pause advances it and returns at once, and keys
// scheduled for a later time arrive as it passes. Keys are typed as a US
// keyboard types them, by character or by key code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "conkit/export.hpp"
#include "conkit/host/console_host.hpp"
#include "conkit/host/console_types.hpp"

namespace conkit::host {

// Thrown by host::ExitProcess on a memory console, so a test sees the status
// and goes on.
struct CONKIT_CONSOLE_API ProcessExit {
    std::uint32_t status;
};

// Thrown when the program waits for input that will never come (nothing
// queued, nothing scheduled, a minute of the virtual clock gone), so a test
// cannot hang.
struct CONKIT_CONSOLE_API InputExhausted {};

}  // namespace conkit::host

namespace conkit {

// The key press that types character on a US keyboard, with Shift or Ctrl
// held as the character needs: "\r" is Enter, "\t" Tab, "\b" Backspace,
// "\x1B" Escape. A byte above 0x7F comes as a character typed without a
// key of its own (virtual key 0xE7, scan code 0), as a terminal gives it.
[[nodiscard]] CONKIT_CONSOLE_API host::KeyEventRecord MakeCharacterPress(char character);

// The key press that PollKey reports as keyCode: a named key of
// <conkit/keys.hpp> (kKeyLeft, kKeyF1, ...) or the key code of a character
// as MakeCharacterPress types it (0x1E61 "a", 0x1E41 "A", 0x1E01 Ctrl+A).
// For any other code (a named key with Ctrl or Alt, a character with Alt)
// a record with virtual key 0, which PollKey reports as no key.
[[nodiscard]] CONKIT_CONSOLE_API host::KeyEventRecord MakeKeyPress(std::uint32_t keyCode);

class CONKIT_CONSOLE_API MemoryConsole {
  public:
    MemoryConsole(std::uint16_t columns, std::uint16_t rows);
    ~MemoryConsole();
    MemoryConsole(const MemoryConsole&) = delete;
    MemoryConsole& operator=(const MemoryConsole&) = delete;

    std::uint16_t Columns() const;
    std::uint16_t Rows() const;

    // One cell; column and row must lie inside the console.
    std::uint8_t CharacterAt(std::uint16_t column, std::uint16_t row) const;
    std::uint16_t AttributeAt(std::uint16_t column, std::uint16_t row) const;
    host::Coord Cursor() const;

    // The characters of one row from column on, count cells long.
    std::string RowText(std::uint16_t row, std::uint16_t column, std::uint16_t count) const;

    // Queues a key press now; returns false when the queue is full.
    bool QueueKey(const host::KeyEventRecord& key);

    // Queues the key presses that type text, one per character
    // (MakeCharacterPress). Returns false when the queue fills; the keys
    // before that stay queued.
    bool TypeText(const char* text);

    // Queues the key press that PollKey reports as keyCode (MakeKeyPress).
    // Returns false when no key press gives it or the queue is full.
    bool TypeKey(std::uint32_t keyCode);

    // Queues a key press once the virtual clock reaches atMs; keys are
    // scheduled in the order of their times.
    void ScheduleKey(std::uint64_t atMs, const host::KeyEventRecord& key);

    // The virtual clock, in milliseconds since the console was made.
    std::uint64_t NowMs() const;

    // The console seam itself, for the calls the routines above leave out.
    host::ConsoleHost& Host();

  private:
    // The console's own state lives here, in place, so that this header
    // needs none of the kit's private ones.
    static constexpr std::size_t kStorageSize = 16384;
    alignas(std::max_align_t) unsigned char storage_[kStorageSize];
    host::ConsoleHost* previous_;
};

}  // namespace conkit
