// An in-memory console for testing a program without a terminal: an exact
// model of a console screen buffer (cells of a character and an attribute,
// the cursor, output processing, line editing) and of its input queue.
//
// While one lives it is the console in use, and the console routines fetch
// its handles; when it goes, the console in use before it comes back. Its
// clock is virtual: a pause advances it and returns at once, and keys
// scheduled for a later time arrive as it passes.
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
