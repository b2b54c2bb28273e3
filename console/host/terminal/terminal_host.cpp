#include "console/host/terminal/terminal_host.hpp"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "console/host/terminal/system_calls.hpp"
#include "console/host/terminal/terminal_session.hpp"

namespace conkit::host::terminal {
namespace {

// Room for a full repaint whose every cell changes colour; larger changes
// are written in pieces.
constexpr std::size_t kBytesPerCell = 16;
constexpr std::size_t kLargestWrite = std::size_t{256} * 1024;

std::size_t WriterCapacity(Coord terminalSize) {
    const Coord buffer = BufferSizeFor(terminalSize);
    return std::min(std::size_t{buffer.column} * buffer.row * kBytesPerCell + 4096, kLargestWrite);
}

bool IsTypedCharacter(const InputRecord& record) {
    return record.eventType == kKeyEvent && (record.key.keyDown & 1U) != 0 &&
           record.key.character != 0;
}

void SayWhyInputEnded(bool hungUp) {
    const char* reason = hungUp ? ": terminal hung up\n" : ": input ended\n";
    WriteAll(2, ProgramName(), std::strlen(ProgramName()));
    WriteAll(2, reason, std::strlen(reason));
}

// True when fd is a tty and the same one as ttyFd, so that the session's
// modes (no output processing) hold for what is written to it.
bool SameTty(int fd, int ttyFd) {
    struct stat first {};
    struct stat second {};
    return ttyFd >= 0 && ::fstat(fd, &first) == 0 && ::fstat(ttyFd, &second) == 0 &&
           S_ISCHR(first.st_mode) && first.st_rdev == second.st_rdev;
}

// The writer whose collected output the session writes on its way out.
TerminalWriter* pendingWriter = nullptr;

void FlushPendingWriter() {
    if (pendingWriter != nullptr) {
        pendingWriter->Flush();
    }
}

// True when fd was opened for reading as well, so that a terminal's replies
// can be read from it.
bool Readable(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && (flags & O_ACCMODE) == O_RDWR;
}

}  // namespace

TerminalHost::TerminalHost(int inputFd, int outputFd, const TerminalSettings& settings)
    : outputFd_(outputFd),
      ttyFd_(settings.inputIsTty       ? inputFd
             : ::isatty(outputFd) == 1 ? outputFd
                                       : -1),
      settings_(settings),
      picture_(BufferSizeFor(settings.terminalSize).column,
               BufferSizeFor(settings.terminalSize).row),
      glyphs_(settings.utf8),
      out_(outputFd, WriterCapacity(settings.terminalSize)),
      renderer_(picture_, glyphs_, out_, ::isatty(outputFd) != 1 || SameTty(outputFd, ttyFd_)),
      source_(inputFd),
      keyboard_(source_) {
    picture_.SetScrollObserver(this);
}

TerminalHost::~TerminalHost() {
    Leave();
    if (pendingWriter == &out_) {
        SetPendingOutputFlush(nullptr);
        pendingWriter = nullptr;
    }
}

void TerminalHost::Start() {
    if (started_) {
        return;
    }
    started_ = true;
    // The host asks the terminal its questions itself (AskTerminal).
    ownsSession_ = EnterSession({ttyFd_, outputFd_, settings_.outputIsTerminal});
    if (ownsSession_) {
        pendingWriter = &out_;
        SetPendingOutputFlush(FlushPendingWriter);
    }
    if (settings_.outputIsTerminal) {
        renderer_.SetTerminalSize(settings_.terminalSize);
        AskTerminal();
    }
    UpdateExitRow();
}

void TerminalHost::AskTerminal() {
    if (!ownsSession_ || ttyFd_ < 0) {
        return;
    }
    const auto timeout = std::chrono::milliseconds{settings_.replyTimeoutMs};
    std::optional<Coord> position;
    if (settings_.inputIsTty) {
        out_.Append("\x1b[?u\x1b[6n\x1b[c", 11);
        out_.Flush();
        keyboard_.ExpectReplies(true);
        keyboard_.AwaitReplies(timeout);
        position = keyboard_.TakeCursorReport();
        if (keyboard_.TakeKittySupport()) {
            PushKittyFlags();
        }
    } else if (SameTty(outputFd_, ttyFd_) && Readable(outputFd_)) {
        // The keys come from elsewhere: the replies are read from the
        // terminal the output goes to.
        out_.Append("\x1b[6n\x1b[c", 7);
        out_.Flush();
        InputSource replies(outputFd_);
        KeyboardInput decoder(replies);
        decoder.ExpectReplies(true);
        decoder.AwaitReplies(timeout);
        position = decoder.TakeCursorReport();
    }
    if (position.has_value() && picture_.SetCursor(*position)) {
        renderer_.AssumeCursorAt(*position);
    }
}

void TerminalHost::AwaitDueReplies() {
    if (started_ && keyboard_.RepliesPending()) {
        keyboard_.AwaitReplies(std::chrono::milliseconds{settings_.replyTimeoutMs});
    }
}

void TerminalHost::Leave() {
    out_.Flush();
    if (ownsSession_) {
        AwaitDueReplies();
        LeaveSession();
    }
}

void TerminalHost::UpdateExitRow() {
    if (ownsSession_) {
        const Coord cursor = picture_.Cursor();
        SetExitRow(cursor.row + (cursor.column != 0 ? 1U : 0U), renderer_.TerminalSize().row);
    }
}

void TerminalHost::ShowWaiting() {
    if (settings_.outputIsTerminal) {
        renderer_.ShowCursorAt(picture_.Cursor());
    }
    out_.Flush();
}

void TerminalHost::BeforeScroll() {
    if (!settings_.outputIsTerminal || !started_) {
        return;
    }
    renderer_.Update(picture_.TakeChanged());
    renderer_.ScrollUp();
}

void TerminalHost::ServiceSignals() {
    if (!ownsSession_) {
        return;
    }
    const bool resumed = TakeResume();
    const bool resized = TakeResize();
    if ((!resumed && !resized) || !settings_.outputIsTerminal) {
        return;
    }
    renderer_.SetTerminalSize(QueryTerminalSize(outputFd_).value_or(renderer_.TerminalSize()));
    renderer_.Repaint(resized);
    renderer_.ShowCursorAt(picture_.Cursor());
    out_.Flush();
    UpdateExitRow();
}

void TerminalHost::Show() {
    UpdateExitRow();
    if (settings_.outputIsTerminal) {
        renderer_.Update(picture_.TakeChanged());
        out_.Flush();
    }
}

void TerminalHost::WriteProcessed(const char* chars, std::uint32_t count) {
    if (!settings_.outputIsTerminal) {
        // Collected; written when the writer fills or the program waits. As
        // on Windows, output that goes to a file never reaches the buffer.
        out_.Append(chars, count);
        return;
    }
    picture_.Write(chars, count);
    Show();
}

void TerminalHost::Echo(const char* chars, std::uint32_t count) {
    if (!settings_.outputIsTerminal) {
        // The echo belongs on the terminal the keys come from, never in the
        // redirected output.
        picture_.Write(chars, count);
        if (settings_.inputIsTty && ttyFd_ >= 0) {
            WriteAll(ttyFd_, chars, count);
        }
        return;
    }
    WriteProcessed(chars, count);
    renderer_.ShowCursorAt(picture_.Cursor());
    out_.Flush();
}

Handle TerminalHost::GetStdHandle(StdHandle which) {
    Start();
    return which == StdHandle::input ? kInputHandle : kOutputHandle;
}

bool TerminalHost::SetConsoleCursorPosition(Handle output, Coord position) {
    if (output != kOutputHandle) {
        return false;
    }
    Start();
    ServiceSignals();
    if (!picture_.SetCursor(position)) {
        return false;
    }
    UpdateExitRow();
    return true;
}

bool TerminalHost::SetConsoleTextAttribute(Handle output, std::uint16_t attribute) {
    if (output != kOutputHandle) {
        return false;
    }
    Start();
    picture_.SetAttribute(attribute);
    return true;
}

bool TerminalHost::WriteConsoleA(Handle output, const char* chars, std::uint32_t count,
                                 std::uint32_t* written) {
    if (output != kOutputHandle) {
        return false;
    }
    Start();
    ServiceSignals();
    WriteProcessed(chars, count);
    if (written != nullptr) {
        *written = count;
    }
    return true;
}

bool TerminalHost::GetConsoleMode(Handle input, std::uint32_t* mode) {
    if (input != kInputHandle) {
        return false;
    }
    *mode = inputMode_;
    return true;
}

bool TerminalHost::SetConsoleMode(Handle input, std::uint32_t mode) {
    if (input != kInputHandle) {
        return false;
    }
    Start();
    inputMode_ = mode;
    return true;
}

void TerminalHost::ApplySignalKeys() {
    if (ownsSession_) {
        SetSignalKeys((inputMode_ & kProcessedInput) != 0);
    }
}

void TerminalHost::PumpKeys() {
    keyboard_.Pump();
    if (keyboard_.TakeKittySupport() && ownsSession_) {
        PushKittyFlags();
    }
}

void TerminalHost::EndOfInput() {
    Leave();
    SayWhyInputEnded(settings_.inputIsTty);
    std::exit(kInputEndedStatus);
}

bool TerminalHost::PeekConsoleInputA(Handle input, InputRecord* records, std::uint32_t length,
                                     std::uint32_t* count) {
    *count = 0;
    if (input != kInputHandle) {
        return false;
    }
    Start();
    ServiceSignals();
    ShowWaiting();
    PumpKeys();
    if (keyboard_.Exhausted()) {
        EndOfInput();
    }
    *count = keyboard_.Queue().Peek(records, length);
    return true;
}

bool TerminalHost::ReadConsoleInputA(Handle input, InputRecord* records, std::uint32_t length,
                                     std::uint32_t* count) {
    *count = 0;
    if (input != kInputHandle) {
        return false;
    }
    Start();
    ServiceSignals();
    ShowWaiting();
    PumpKeys();
    if (keyboard_.Exhausted()) {
        EndOfInput();
    }
    *count = keyboard_.Queue().Read(records, length);
    return true;
}

bool TerminalHost::FlushConsoleInputBuffer(Handle input) {
    if (input != kInputHandle) {
        return false;
    }
    Start();
    keyboard_.Discard();
    if (keyboard_.TakeKittySupport() && ownsSession_) {
        PushKittyFlags();
    }
    return true;
}

void TerminalHost::WaitForInput() {
    ApplySignalKeys();
    const sigset_t wake = WakeSignals();
    sigset_t unblocked;
    sigprocmask(SIG_BLOCK, &wake, &unblocked);
    ServiceSignals();
    int timeoutMs = -1;
    if (const auto remaining = keyboard_.TimeToDeadline(); remaining.has_value()) {
        timeoutMs = static_cast<int>(std::min<std::int64_t>(remaining->count(), 1000)) + 1;
    }
    source_.Wait(timeoutMs, unblocked);
    sigprocmask(SIG_SETMASK, &unblocked, nullptr);
}

bool TerminalHost::NextKey(InputRecord& record) {
    for (;;) {
        ServiceSignals();
        PumpKeys();
        if (keyboard_.Queue().Read(&record, 1) == 1) {
            return true;
        }
        if (source_.Ended()) {
            return false;
        }
        WaitForInput();
    }
}

int TerminalHost::NextByte() {
    for (;;) {
        const auto bytes = source_.FillReady();
        if (!bytes.empty()) {
            const std::uint8_t byte = bytes.front();
            source_.Consume(1);
            return byte;
        }
        if (source_.Ended()) {
            return -1;
        }
        WaitForInput();
    }
}

EchoLayout TerminalHost::Layout() const {
    return {picture_.Cursor().column, picture_.Columns()};
}

std::uint32_t TerminalHost::ReadLine(char* buffer, std::uint32_t count) {
    while (!editor_.HasDelivery()) {
        InputRecord record;
        if (!NextKey(record)) {
            return 0;
        }
        editor_.Feed(record, (inputMode_ & kEchoInput) != 0 ? this : nullptr);
    }
    return editor_.Deliver(buffer, count);
}

std::uint32_t TerminalHost::ReadTyped(char* buffer, std::uint32_t count) {
    std::uint32_t n = 0;
    InputRecord record;
    while (n == 0) {
        if (!NextKey(record)) {
            return 0;
        }
        if (IsTypedCharacter(record)) {
            buffer[n++] = static_cast<char>(record.key.character);
        }
    }
    while (n < count) {
        PumpKeys();
        if (keyboard_.Queue().Read(&record, 1) == 0) {
            break;
        }
        if (IsTypedCharacter(record)) {
            buffer[n++] = static_cast<char>(record.key.character);
        }
    }
    return n;
}

bool TerminalHost::ReadConsoleA(Handle input, char* buffer, std::uint32_t count,
                                std::uint32_t* read) {
    *read = 0;
    if (input != kInputHandle) {
        return false;
    }
    if (count == 0) {
        return true;
    }
    Start();
    ServiceSignals();
    ShowWaiting();
    // What is left of a line read comes first, whatever the mode is now, as
    // on a console: discarding the rest of a long line relies on it.
    const bool lineMode = (inputMode_ & kLineInput) != 0;
    if (settings_.inputIsTty) {
        *read =
            lineMode || editor_.HasDelivery() ? ReadLine(buffer, count) : ReadTyped(buffer, count);
    } else if (lineMode || pipeLines_.InLine()) {
        *read = pipeLines_.Read(*this, buffer, count);
    } else {
        const int first = NextByte();
        if (first >= 0) {
            buffer[(*read)++] = static_cast<char>(first);
            const auto more = source_.Buffered();
            const auto n = std::min<std::size_t>(more.size(), count - 1U);
            std::memcpy(buffer + 1, more.data(), n);
            source_.Consume(n);
            *read += static_cast<std::uint32_t>(n);
        }
    }
    return true;
}

bool TerminalHost::GetConsoleScreenBufferInfo(Handle output, ScreenBufferInfo* info) {
    if (output != kOutputHandle || !settings_.outputIsTerminal) {
        return false;
    }
    Start();
    info->size = {picture_.Columns(), picture_.Rows()};
    info->cursor = picture_.Cursor();
    info->attribute = picture_.Attribute();
    return true;
}

bool TerminalHost::WriteConsoleOutputCharacterA(Handle output, const char* chars,
                                                std::uint32_t count, Coord start,
                                                std::uint32_t* written) {
    if (output != kOutputHandle) {
        return false;
    }
    Start();
    ServiceSignals();
    const std::uint32_t n = picture_.PutCharacters(chars, count, start);
    if (n > 0) {
        Show();
    }
    if (written != nullptr) {
        *written = n;
    }
    return true;
}

bool TerminalHost::WriteConsoleOutputAttribute(Handle output, const std::uint16_t* attributes,
                                               std::uint32_t count, Coord start,
                                               std::uint32_t* written) {
    if (output != kOutputHandle) {
        return false;
    }
    Start();
    ServiceSignals();
    const std::uint32_t n = picture_.PutAttributes(attributes, count, start);
    if (n > 0) {
        Show();
    }
    if (written != nullptr) {
        *written = n;
    }
    return true;
}

bool TerminalHost::ReadConsoleOutputCharacterA(Handle output, char* chars, std::uint32_t count,
                                               Coord start, std::uint32_t* read) {
    *read = output == kOutputHandle ? picture_.GetCharacters(chars, count, start) : 0;
    return output == kOutputHandle;
}

bool TerminalHost::ReadConsoleOutputAttribute(Handle output, std::uint16_t* attributes,
                                              std::uint32_t count, Coord start,
                                              std::uint32_t* read) {
    *read = output == kOutputHandle ? picture_.GetAttributes(attributes, count, start) : 0;
    return output == kOutputHandle;
}

void TerminalHost::Sleep(std::uint32_t milliseconds) {
    Start();
    ShowWaiting();
    ApplySignalKeys();
    timespec remaining{static_cast<time_t>(milliseconds / 1000),
                       static_cast<long>(milliseconds % 1000) * 1'000'000L};
    while (SleepMonotonic(&remaining) == EINTR) {
    }
    ServiceSignals();
}

void TerminalHost::AwaitInput(Handle input, std::uint32_t pollMs) {
    if (input != kInputHandle) {
        Sleep(pollMs);
        return;
    }
    Start();
    ShowWaiting();
    PumpKeys();
    // A key already queued or the input's end is for the caller to see now.
    if (keyboard_.Queue().Empty() && !source_.Ended()) {
        WaitForInput();
    }
    ServiceSignals();
}

void TerminalHost::ExitProcess(std::uint32_t status) {
    Leave();
    std::exit(static_cast<int>(status));
}

}  // namespace conkit::host::terminal
