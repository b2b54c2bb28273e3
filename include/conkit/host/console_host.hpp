// The console seam: every operation the console services and the support
// library ask of a console, under the names of the Windows console calls they
// stand for, plus the pause and the process exit. Everything above this
// interface is written once; a host implements it for one kind of console.
//
// Results follow the platform's: true for success, counts through out
// parameters. Callers above the seam test only the counts of input calls.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"
#include "conkit/host/console_types.hpp"

namespace conkit::host {

class ConsoleHost {
  public:
    virtual ~ConsoleHost() = default;

    // Returns the handle of the standard input or output, or kInvalidHandle.
    virtual Handle GetStdHandle(StdHandle which) = 0;

    // Moves the cursor; a position outside the buffer fails and changes nothing.
    virtual bool SetConsoleCursorPosition(Handle output, Coord position) = 0;

    // Sets the attribute that characters written afterwards take.
    virtual bool SetConsoleTextAttribute(Handle output, std::uint16_t attribute) = 0;

    // Writes count characters at the cursor with output processing;
    // *written receives the number taken.
    virtual bool WriteConsoleA(Handle output, const char* chars, std::uint32_t count,
                               std::uint32_t* written) = 0;

    virtual bool GetConsoleMode(Handle input, std::uint32_t* mode) = 0;
    virtual bool SetConsoleMode(Handle input, std::uint32_t mode) = 0;

    // Copies up to length of the oldest events without removing them;
    // *count is 0 when the queue is empty. Never blocks.
    virtual bool PeekConsoleInputA(Handle input, InputRecord* records, std::uint32_t length,
                                   std::uint32_t* count) = 0;

    // Removes and copies up to length of the oldest events; *count is 0 when
    // the queue is empty.
    virtual bool ReadConsoleInputA(Handle input, InputRecord* records, std::uint32_t length,
                                   std::uint32_t* count) = 0;

    virtual bool FlushConsoleInputBuffer(Handle input) = 0;

    // Reads characters in the current input mode: in line mode the edited,
    // echoed line with CR LF (or the first count characters of it, the rest
    // kept for the next read); in mode 0 the characters typed. *read is 0
    // when nothing could be delivered.
    virtual bool ReadConsoleA(Handle input, char* buffer, std::uint32_t count,
                              std::uint32_t* read) = 0;

    // Fails when the output is not a screen buffer (then *info is untouched).
    virtual bool GetConsoleScreenBufferInfo(Handle output, ScreenBufferInfo* info) = 0;

    // Set cells from start on, left to right and row by row, without moving
    // the cursor or changing the current attribute; stop at the buffer's end.
    virtual bool WriteConsoleOutputCharacterA(Handle output, const char* chars, std::uint32_t count,
                                              Coord start, std::uint32_t* written) = 0;
    virtual bool WriteConsoleOutputAttribute(Handle output, const std::uint16_t* attributes,
                                             std::uint32_t count, Coord start,
                                             std::uint32_t* written) = 0;

    // Read cells from start on, row by row, stopping at the buffer's end;
    // *read receives the number of cells copied.
    virtual bool ReadConsoleOutputCharacterA(Handle output, char* chars, std::uint32_t count,
                                             Coord start, std::uint32_t* read) = 0;
    virtual bool ReadConsoleOutputAttribute(Handle output, std::uint16_t* attributes,
                                            std::uint32_t count, Coord start,
                                            std::uint32_t* read) = 0;

    // Pauses the calling thread.
    virtual void Sleep(std::uint32_t milliseconds) = 0;

    // Between two looks at an input queue found without a key: returns when
    // input may have come. A host that can wait on its input returns as soon
    // as it does; the default pauses pollMs, as a console's key wait does.
    virtual void AwaitInput(Handle input, std::uint32_t pollMs) {
        static_cast<void>(input);
        Sleep(pollMs);
    }

    // A drawing is about to cover part of the screen for a while (a message
    // box) and EndOverlay follows once the caller has put back the cells
    // it read. A host that can keep what the screen shows brings it back
    // exactly at EndOverlay, the cells the program never wrote included
    // (a terminal's text from before the program); the default keeps
    // nothing, and the caller's cells are what comes back.
    virtual void BeginOverlay(Handle output) { static_cast<void>(output); }
    virtual void EndOverlay(Handle output) { static_cast<void>(output); }

    // Ends the process with the given status; does not return.
    [[noreturn]] virtual void ExitProcess(std::uint32_t status) = 0;
};

// The host in use. The platform's own host is chosen on first use unless a
// host was installed before.
CONKIT_CONSOLE_API ConsoleHost& CurrentHost();

// Makes host the one in use from now on; the caller keeps it alive.
CONKIT_CONSOLE_API void InstallHost(ConsoleHost& host);

// Makes the console routines fetch the standard handles again on their next
// call, as at the start of a process: after InstallHost, so that they take
// the new host's handles rather than the old one's.
CONKIT_CONSOLE_API void ResetConsoleState();

// The platform's own host: the terminal on POSIX, the console on Windows.
CONKIT_CONSOLE_API ConsoleHost& PlatformHost();

// Ends the process through the host in use.
[[noreturn]] CONKIT_CONSOLE_API void ExitProcess(std::uint32_t status);

}  // namespace conkit::host
