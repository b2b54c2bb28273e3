// The memory host: an exact in-memory console, the reference that every
// other host is held to and the host every unit test installs.
//
// Besides the console operations it keeps an ordered log of every call, a
// trace of each cell painted by a console write, a virtual clock that Sleep
// advances at once, and key events scheduled to arrive at given times.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "conkit/host/console_host.hpp"
#include "conkit/memory_console.hpp"
#include "console/host/input_queue.hpp"
#include "console/host/line_editor.hpp"
#include "console/host/screen_buffer.hpp"

namespace conkit::host::memory {

enum class Operation : std::uint8_t {
    getStdHandle,
    setCursorPosition,
    setTextAttribute,
    writeConsole,
    getMode,
    setMode,
    peekInput,
    readInput,
    flushInput,
    readConsole,
    getScreenBufferInfo,
    writeOutputCharacter,
    writeOutputAttribute,
    readOutputCharacter,
    readOutputAttribute,
    sleep,
    exitProcess,
};

struct LogEntry {
    Operation operation;
    Coord position{};       // cursor target or start cell
    std::uint32_t value{};  // attribute, mode, count, milliseconds or status
    std::string text{};     // the characters written or read
};

// One cell set by a console write, in the order the writes set them.
struct Paint {
    Coord cell;
    std::uint8_t character;
    std::uint16_t attribute;
    friend bool operator==(const Paint&, const Paint&) = default;
};

class MemoryHost final : public ConsoleHost, private EchoTarget {
  public:
    static constexpr Handle kInputHandle = 0x10;
    static constexpr Handle kOutputHandle = 0x20;

    MemoryHost(std::uint16_t columns, std::uint16_t rows);

    Handle GetStdHandle(StdHandle which) override;
    bool SetConsoleCursorPosition(Handle output, Coord position) override;
    bool SetConsoleTextAttribute(Handle output, std::uint16_t attribute) override;
    bool WriteConsoleA(Handle output, const char* chars, std::uint32_t count,
                       std::uint32_t* written) override;
    bool GetConsoleMode(Handle input, std::uint32_t* mode) override;
    bool SetConsoleMode(Handle input, std::uint32_t mode) override;
    bool PeekConsoleInputA(Handle input, InputRecord* records, std::uint32_t length,
                           std::uint32_t* count) override;
    bool ReadConsoleInputA(Handle input, InputRecord* records, std::uint32_t length,
                           std::uint32_t* count) override;
    bool FlushConsoleInputBuffer(Handle input) override;
    bool ReadConsoleA(Handle input, char* buffer, std::uint32_t count,
                      std::uint32_t* read) override;
    bool GetConsoleScreenBufferInfo(Handle output, ScreenBufferInfo* info) override;
    bool WriteConsoleOutputCharacterA(Handle output, const char* chars, std::uint32_t count,
                                      Coord start, std::uint32_t* written) override;
    bool WriteConsoleOutputAttribute(Handle output, const std::uint16_t* attributes,
                                     std::uint32_t count, Coord start,
                                     std::uint32_t* written) override;
    bool ReadConsoleOutputCharacterA(Handle output, char* chars, std::uint32_t count, Coord start,
                                     std::uint32_t* read) override;
    bool ReadConsoleOutputAttribute(Handle output, std::uint16_t* attributes, std::uint32_t count,
                                    Coord start, std::uint32_t* read) override;
    void Sleep(std::uint32_t milliseconds) override;
    [[noreturn]] void ExitProcess(std::uint32_t status) override;

    // --- For tests ---------------------------------------------------------

    const ScreenBuffer& Screen() const { return screen_; }
    ScreenBuffer& Screen() { return screen_; }
    std::uint32_t InputMode() const { return inputMode_; }
    std::uint32_t QueuedEvents() const { return queue_.Size(); }

    // Queues an event now; returns false when the queue is full.
    bool Queue(const InputRecord& record) { return queue_.Push(record); }
    // Queues a key-down event now.
    bool QueueKey(const KeyEventRecord& key);
    // Queues the event once the virtual clock reaches atMs. Events must be
    // scheduled in the order of their times.
    void Schedule(std::uint64_t atMs, const InputRecord& record);

    std::uint64_t NowMs() const { return nowMs_; }

    // How long the program may wait with nothing queued and nothing
    // scheduled before Sleep throws InputExhausted.
    void SetIdleLimitMs(std::uint64_t limit) { idleLimitMs_ = limit; }

    // When false, the output behaves as if it were not a console: the
    // screen-buffer information cannot be read.
    void SetOutputIsConsole(bool isConsole) { outputIsConsole_ = isConsole; }

    const std::vector<LogEntry>& Log() const { return log_; }
    const std::vector<Paint>& Paints() const { return paints_; }
    void ClearTrace();

    // The characters of one row from column on, count cells long.
    std::string RowText(std::uint16_t row, std::uint16_t column, std::uint16_t count) const;

  private:
    void Echo(const char* chars, std::uint32_t count) override;
    EchoLayout Layout() const override;
    void WriteProcessed(const char* chars, std::uint32_t count);
    void DeliverDueEvents();
    bool FillLine();

    ScreenBuffer screen_;
    InputQueue queue_;
    LineEditor editor_;
    std::uint32_t inputMode_ = kDefaultInputMode;
    bool outputIsConsole_ = true;
    std::uint64_t nowMs_ = 0;
    std::uint64_t idleMs_ = 0;
    std::uint64_t idleLimitMs_ = 60'000;
    struct Scheduled {
        std::uint64_t atMs;
        InputRecord record;
    };
    std::vector<Scheduled> scheduled_;
    std::size_t nextScheduled_ = 0;
    std::vector<LogEntry> log_;
    std::vector<Paint> paints_;
};

}  // namespace conkit::host::memory
