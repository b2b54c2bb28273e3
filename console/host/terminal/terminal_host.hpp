// The console on a POSIX terminal. It keeps a screen buffer as the picture
// of what the terminal should show, with the console's output processing,
// and sends the terminal only the differences after each console call, in
// one write(2). Key events are decoded from the input bytes; line-mode reads
// use the console's line editor, echoing through the same output path.
//
// The console lives in the shell's flow. At the first console call the host
// asks the terminal where its cursor is (CSI 6 n, then CSI c, whose answer
// every terminal gives last; the kitty keyboard query CSI ? u first when
// keys come from the terminal) and waits for the answers, at most
// replyTimeoutMs, taking typed keys on the way. The console's cursor starts
// there (row 0 when no answer comes); nothing is cleared. The buffer's rows
// are the terminal's rows from the top, so a program that places its
// drawing absolutely (the game) draws where it always did, and one that
// writes line after line continues below the shell's text. Cells the program
// has not written keep what the terminal showed and are never repainted;
// read back, they are blanks in attribute 0x07. A line feed on the last row
// scrolls the terminal with its own line feed, so every line reaches its
// scrollback. Whenever the program can be seen waiting (a pause, a key poll
// or read, a line read) the terminal's cursor is on the console's. On the
// way out the cursor goes to the console cursor's row, or to the start of
// the next one when the cursor is not in column 0.
//
// The tty is in non-canonical, no-echo mode from the first console call to
// the end of the process; the console input modes are the host's own. While
// the program waits (a pause or a blocking read) in a mode without processed
// input (mode 0), ISIG is off, so Ctrl+C is a key; otherwise Ctrl+C and
// Ctrl+Z act as usual. A mode set and put back before the program waits, as
// every key poll does, never reaches the tty: that would cost six system
// calls a poll for keys typed within microseconds.
//
// When the input ends or the terminal hangs up while a key is awaited, the
// host restores the terminal, says so on stderr in one line and ends the
// process with kInputEndedStatus. A line-mode read gives 0 characters
// instead.
//
// When the output is not a terminal it gets the written characters as they
// are, and nothing else: as on Windows they never reach the buffer, and
// cursor placements, attributes and cell writes change only the buffer,
// whose information cannot be read then. The
// characters are collected as a C program's standard output is, and written
// when the buffer fills, before any read of input and any pause, and on
// every way out (the fatal signals too). The echo of a line being typed
// goes to the terminal the keys come from, never into that output.
#pragma once

#include <cstdint>

#include "conkit/host/console_host.hpp"
#include "console/host/input_end.hpp"
#include "console/host/line_editor.hpp"
#include "console/host/pipe_line_reader.hpp"
#include "console/host/screen_buffer.hpp"
#include "console/host/terminal/glyph_table.hpp"
#include "console/host/terminal/input_source.hpp"
#include "console/host/terminal/keyboard_input.hpp"
#include "console/host/terminal/screen_renderer.hpp"
#include "console/host/terminal/terminal_settings.hpp"
#include "console/host/terminal/terminal_writer.hpp"

namespace conkit::host::terminal {

class TerminalHost final : public ConsoleHost,
                           private EchoTarget,
                           private ByteStream,
                           private ScrollObserver {
  public:
    static constexpr Handle kInputHandle = 0x10;
    static constexpr Handle kOutputHandle = 0x20;

    // Reads from inputFd and writes to outputFd, which stay the caller's.
    // Takes all its storage here; touches the terminal only from the first
    // console call on.
    TerminalHost(int inputFd, int outputFd, const TerminalSettings& settings);
    // Restores the terminal.
    ~TerminalHost() override;

    TerminalHost(const TerminalHost&) = delete;
    TerminalHost& operator=(const TerminalHost&) = delete;

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
    // Waits in the kernel, without a time limit, until bytes come, the input
    // ends, a handled signal arrives or an unfinished key sequence is due.
    void AwaitInput(Handle input, std::uint32_t pollMs) override;
    [[noreturn]] void ExitProcess(std::uint32_t status) override;

    // What was written to the output so far; for tests and the benchmark.
    const OutputStats& Stats() const { return out_.Stats(); }
    const ScreenBuffer& Screen() const { return picture_; }

  private:
    void Start();
    void AskTerminal();
    void AwaitDueReplies();
    void Leave();
    void UpdateExitRow();
    void ShowWaiting();
    void BeforeScroll() override;
    void ServiceSignals();
    void ApplySignalKeys();
    void Show();
    void WriteProcessed(const char* chars, std::uint32_t count);
    void Echo(const char* chars, std::uint32_t count) override;
    EchoLayout Layout() const override;
    int NextByte() override;
    bool NextKey(InputRecord& record);
    void WaitForInput();
    void PumpKeys();
    [[noreturn]] void EndOfInput();
    std::uint32_t ReadLine(char* buffer, std::uint32_t count);
    std::uint32_t ReadTyped(char* buffer, std::uint32_t count);

    int outputFd_;
    // The tty whose modes the session sets: the input's, else the output's;
    // -1 for none.
    int ttyFd_;
    TerminalSettings settings_;
    ScreenBuffer picture_;
    GlyphTable glyphs_;
    TerminalWriter out_;
    ScreenRenderer renderer_;
    InputSource source_;
    KeyboardInput keyboard_;
    LineEditor editor_;
    PipeLineReader pipeLines_;
    std::uint32_t inputMode_ = kDefaultInputMode;
    bool started_ = false;
    bool ownsSession_ = false;
};

}  // namespace conkit::host::terminal
