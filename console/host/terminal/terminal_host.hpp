// The console on a POSIX terminal. It keeps a screen buffer, as large as
// the terminal, as the picture of what the terminal should show, with the
// console's output processing, and sends the terminal only the differences,
// collected into frames: one write(2) whenever the program can be seen
// waiting, at every line end, and at the first call after about 15 ms
// (terminal_writer.hpp has the synchronized-output marks). Key events are
// decoded from the input bytes; line-mode reads use the console's line
// editor, echoing through the same output path.
//
// The console lives in the shell's flow and leaves the tty alone until it
// needs it. A program that only writes text and line ends is a stream: its
// lines go on from where the shell left the cursor, the renderer moving
// only within the cursor's row and scrolling with line feeds, and the tty's
// modes are never changed nor the terminal asked anything. The first key or
// line read from the terminal, placement, cell write or read-back enters the
// session's modes; all but a line read also ask the terminal (the cursor
// position, the kitty keyboard flags when keys come from it, whether it
// takes synchronized output, and the device attributes, which every
// terminal answers last), and the answers are read
// with the keys as they come. The buffer's rows are the terminal's rows from
// the top from the moment they are known: at the cursor position's answer,
// or at the first placement, cell write or read-back, which waits for that
// answer when the program has already shown something or asks for the
// cursor (at most what is left of replyTimeoutMs for the whole run; without
// an answer the cursor is taken to be on the terminal's last row). A
// placement before any output needs no answer at all. So a program that
// places its drawing absolutely (the game) draws where it always did, and
// one that writes line after line continues below the shell's text. Cells
// the program has not written keep what the terminal showed and are never
// repainted; read back, they are blanks in attribute 0x07. A line feed on
// the last row scrolls the terminal with its own line feed, so every line
// reaches its scrollback; a line longer than the terminal is wide is
// wrapped by the terminal itself. Whenever the program can be seen waiting
// (a pause, a key poll or read, a line read) the terminal's cursor is on
// the console's. On every way out the cursor goes to column 0 of the row
// below everything the program wrote, and that row is cleared.
//
// Once entered, the tty is in non-canonical, no-echo mode to the end of the
// process; the console input modes are the host's own. While the program
// waits (a pause or a blocking read) in a mode without processed input
// (mode 0), ISIG is off, so Ctrl+C is a key; otherwise Ctrl+C and Ctrl+Z act
// as usual. A mode set and put back before the program waits, as every key
// poll does, never reaches the tty: that would cost six system calls a poll
// for keys typed within microseconds.
//
// When the input ends or the terminal hangs up while a key is awaited, the
// host restores the terminal, says so on stderr in one line and ends the
// process with kInputEndedStatus. A line-mode read gives 0 characters
// instead.
//
// When the output is not a terminal it gets the written characters and
// nothing else, with POSIX line ends (a CR directly before an LF is
// dropped): as on Windows they never reach the buffer, and cursor
// placements, attributes and cell writes change only the buffer, whose
// information cannot be read then. The characters are collected as a C
// program's standard output is, and written when the buffer fills, before
// any read of input and any pause, and on every way out (the fatal signals
// too). The echo of a line being typed goes to the terminal the keys come
// from, never into that output.
#pragma once

#include <array>
#include <chrono>
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
#include "console/host/terminal/terminal_session.hpp"
#include "console/host/terminal/terminal_settings.hpp"
#include "console/host/terminal/terminal_writer.hpp"

namespace conkit::host::terminal {

class TerminalHost final : public ConsoleHost, private EchoTarget, private ScrollObserver {
  public:
    static constexpr Handle kInputHandle = 0x10;
    static constexpr Handle kOutputHandle = 0x20;
    // The longest line typed at the terminal that one read takes whole, CR
    // LF included.
    static constexpr std::uint32_t kTypedLineCapacity = 16384;
    // Console calls between two looks at the clock while output is held.
    static constexpr std::uint32_t kCallsPerClockLook = 64;

    // Reads from inputFd and writes to outputFd, which stay the caller's.
    // Takes all its storage here; touches the terminal only from the first
    // console call on, and the tty only when it needs to.
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
    // The overlay is drawn on the terminal's alternate screen, over a copy
    // of what the program wrote; the end goes back to the screen as it was
    // and puts the buffer back as it was too.
    void BeginOverlay(Handle output) override;
    void EndOverlay(Handle output) override;
    [[noreturn]] void ExitProcess(std::uint32_t status) override;

    // What was written to the output so far; for tests and the benchmark.
    const OutputStats& Stats() const { return out_.Stats(); }
    const ScreenBuffer& Screen() const { return picture_; }

  private:
    // The session armed, once, at the first console call.
    void Start();
    // What was collected written and the session left, on every way out
    // the host takes itself.
    void Leave();
    // The tty's modes entered, for keys or answers; ask: and the terminal
    // asked its questions.
    void NeedTty(bool ask);
    // An input call's start: the tty's modes (asking as NeedTty does) when
    // the keys come from the terminal, the session armed in any case.
    void EnterInput(bool ask);
    // The buffer's rows made the terminal's; cursorRow: the cursor's row
    // itself is needed, even before any output.
    void NeedRows(bool cursorRow);
    // Sends the terminal's questions, once, when keys or rows first need
    // them.
    void Ask();
    // The answers read so far acted on: kitty flags, the cursor's row.
    void TakeAnswers();
    // The terminal's cursor stood on reported when it was asked.
    void PlaceByReport(Coord reported);
    // From now on the buffer's rows are the terminal's, after moving the
    // cells up by rowsUp; placed: the stream's cursor was placed by the
    // terminal's answer, not taken.
    void KnowRows(std::int32_t rowsUp, bool placed);
    // Tells the session where the way out leaves the cursor; called on the
    // way out, the only time it is read.
    void UpdateExitPlace();
    // The program waits: what it drew is sent, the cursor where it writes next.
    void ShowWaiting();
    // The buffer is about to scroll: the terminal scrolls with it.
    void BeforeScroll() override;
    // Acts on the resize or the return from a stop the session recorded.
    void ServiceSignals();
    // The prologue of every console call: the session armed, signals
    // handled, output held too long sent, as a C program's line-buffered
    // output would have been (the clock is read once every few calls).
    void BeginCall() {
        if (!started_) {
            Start();
        }
        if (ownsSession_ && sessionEvents != 0) {
            ServiceSignals();
        }
        if (holding_ && (++callsHolding_ & (kCallsPerClockLook - 1)) == 0) {
            SendIfHeldLong();
        }
    }
    // Sends the collected output once it has waited kLongestHold.
    void SendIfHeldLong();
    // Writes what is collected.
    void Send();
    // Takes the terminal's new size for the buffer and the renderer.
    void FollowResize();
    // Ctrl+C and Ctrl+Z are signals while waiting, unless processed input is off.
    void ApplySignalKeys();
    // Cells changed: a line end sends them now, else the next wait, line end
    // or the first call after kLongestHold does.
    void Show(bool lineEnd);
    // Paints the changed cells into the collected output.
    void Render();
    // A console write: into the buffer, or plain text when the output is no terminal.
    void WriteProcessed(const char* chars, std::uint32_t count);
    // Collects text for a file or a pipe, a CR directly before an LF dropped.
    void WritePlain(const char* chars, std::uint32_t count);
    // The line editor's echo of what is typed, shown at once.
    void Echo(const char* chars, std::uint32_t count) override;
    // Where the echo starts and how wide its row is, for the line editor.
    EchoLayout Layout() const override;
    // Waits, servicing signals, until input bytes are ready or it ends.
    void AwaitBytes();
    // The next key event, waiting for it; false once the input has ended.
    bool NextKey(InputRecord& record);
    // Waits in the kernel for bytes, a handled signal or a sequence's deadline.
    void WaitForInput();
    // Decodes what has come without waiting and acts on the answers.
    void PumpKeys();
    // A key awaited after the input's end: says so and ends the process.
    [[noreturn]] void EndOfInput();
    // A line-mode read from the terminal, through the line editor.
    std::uint32_t ReadLine(char* buffer, std::uint32_t count);
    // A read without line mode: the characters typed, waiting for the first.
    std::uint32_t ReadTyped(char* buffer, std::uint32_t count);
    // The session's hook on every way out: collected output written.
    static void OnLeave(LeaveReason reason);

    int outputFd_;
    // The tty whose modes the session sets: the input's, else the output's;
    // -1 for none.
    int ttyFd_;
    // Where the terminal's answers can be read; -1 when nowhere.
    int replyFd_;
    TerminalSettings settings_;
    ScreenBuffer picture_;
    // The buffer as it was when an overlay began.
    ScreenBuffer beforeOverlay_;
    std::uint32_t overlays_ = 0;
    GlyphTable glyphs_;
    TerminalWriter out_;
    ScreenRenderer renderer_;
    InputSource source_;
    KeyboardInput keyboard_;
    std::array<char, kTypedLineCapacity> typedLine_{};
    LineEditor editor_;
    PipeLineReader pipeLines_;
    std::uint32_t inputMode_ = kDefaultInputMode;
    bool started_ = false;
    bool ownsSession_ = false;
    bool asked_ = false;
    bool rowsKnown_ = false;
    // The buffer when the questions went out, for placing a late answer.
    std::uint64_t askScrolls_ = 0;
    // Something was shown on the terminal.
    bool shown_ = false;
    // Output collected and not yet sent, since when, and the console calls
    // made since.
    bool holding_ = false;
    std::chrono::milliseconds heldSince_{};
    std::uint32_t callsHolding_ = 0;
    // Bytes typed before the tty's modes were entered, which the tty
    // echoed itself: a line read shows them without echoing them again.
    std::uint64_t typedAhead_ = 0;
    bool echoShownByTty_ = false;
    // Plain output: a CR held back until the next byte shows it is not the
    // start of a CR LF.
    bool heldCarriageReturn_ = false;
};

}  // namespace conkit::host::terminal
