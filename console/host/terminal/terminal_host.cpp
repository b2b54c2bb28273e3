#include "console/host/terminal/terminal_host.hpp"

#include <errno.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "console/host/terminal/system_calls.hpp"

namespace conkit::host::terminal {
namespace {

// Room for a full repaint of a large terminal in one piece; pages never
// used cost nothing.
constexpr std::size_t kTerminalWriterCapacity = std::size_t{256} * 1024;
// Collected output to a file or a pipe, as a C program's standard output.
constexpr std::size_t kPlainWriterCapacity = std::size_t{36} * 1024;

// Output held back for a frame goes out at the first console call after
// this long.
constexpr std::chrono::milliseconds kLongestHold{15};

// Every size the buffer may take when the terminal is resized.
constexpr std::size_t kCapacityCells =
    std::size_t{kMaximumBufferSize.column} * kMaximumBufferSize.row;

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

// True when fd was opened for reading as well, so that a terminal's replies
// can be read from it.
bool Readable(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && (flags & O_ACCMODE) == O_RDWR;
}

// True when LF written to fd moves straight down: it is no tty, or its
// output processing adds no CR.
bool PlainLineFeed(int fd) {
    termios modes{};
    if (::tcgetattr(fd, &modes) != 0) {
        return true;
    }
    return (modes.c_oflag & OPOST) == 0 || (modes.c_oflag & ONLCR) == 0;
}

// The host whose collected output the session writes on its way out.
TerminalHost* leavingHost = nullptr;

// Runs wait(time left) for the terminal's answers and takes what it spent
// from the one allowance the whole run has for them.
template <typename Wait>
void WaitForReplies(Wait wait) {
    const std::uint32_t left = ReplyWaitLeft();
    const auto start = SteadyNow();
    wait(std::chrono::milliseconds{left});
    const auto spent = static_cast<std::uint32_t>((SteadyNow() - start).count());
    SetReplyWaitLeft(left - std::min(spent, left));
}

}  // namespace

TerminalHost::TerminalHost(int inputFd, int outputFd, const TerminalSettings& settings)
    : outputFd_(outputFd),
      ttyFd_(settings.inputIsTty       ? inputFd
             : ::isatty(outputFd) == 1 ? outputFd
                                       : -1),
      replyFd_(settings.inputIsTty                               ? inputFd
               : SameTty(outputFd, ttyFd_) && Readable(outputFd) ? outputFd
                                                                 : -1),
      settings_(settings),
      picture_(BufferSizeFor(settings.terminalSize).column,
               BufferSizeFor(settings.terminalSize).row, kMaximumBufferSize),
      beforeOverlay_(1, 1, kMaximumBufferSize),
      glyphs_(settings.utf8),
      out_(outputFd, settings.outputIsTerminal ? kTerminalWriterCapacity : kPlainWriterCapacity),
      renderer_(picture_, glyphs_, out_, kCapacityCells),
      source_(inputFd),
      keyboard_(source_),
      editor_(typedLine_) {
    picture_.SetScrollObserver(this);
}

void TerminalHost::Leave() {
    Send();
    if (ownsSession_) {
        LeaveSession();
    }
}

TerminalHost::~TerminalHost() {
    Leave();
    if (leavingHost == this) {
        SetLeaveHook(nullptr);
        leavingHost = nullptr;
    }
}

void TerminalHost::Start() {
    if (started_) {
        return;
    }
    started_ = true;
    ownsSession_ = ArmSession({ttyFd_, outputFd_, settings_.outputIsTerminal});
    if (ownsSession_) {
        leavingHost = this;
        SetLeaveHook(OnLeave);
        SetReplyWaitLeft(settings_.replyTimeoutMs);
    }
    if (settings_.outputIsTerminal) {
        renderer_.SetTerminalSize(settings_.terminalSize);
        renderer_.SetLineFeed(PlainLineFeed(outputFd_));
        // A stream until the rows are known, its cursor taken to stand in
        // the first column of the terminal's last row.
        const Coord start{0, static_cast<std::uint16_t>(picture_.Rows() - 1)};
        picture_.SetCursor(start);
        renderer_.AssumeCursorAt(start);
    }
}

void TerminalHost::EnterInput(bool ask) {
    if (settings_.inputIsTty) {
        NeedTty(ask);
    } else {
        Start();
    }
}

void TerminalHost::NeedTty(bool ask) {
    Start();
    if (!ownsSession_) {
        return;
    }
    if (!ModesEntered()) {
        termios user{};
        const bool echoing = settings_.inputIsTty && ::tcgetattr(ttyFd_, &user) == 0 &&
                             (user.c_lflag & (ICANON | ECHO)) == (ICANON | ECHO);
        EnterModes();
        if (SameTty(outputFd_, ttyFd_)) {
            renderer_.SetLineFeed(true);
        }
        int waiting = 0;
        if (echoing && ::ioctl(ttyFd_, FIONREAD, &waiting) == 0 && waiting > 0) {
            typedAhead_ = source_.BytesRead() + static_cast<std::uint64_t>(waiting);
            source_.SetBoundary(typedAhead_);
        }
    }
    if (ask) {
        Ask();
    }
}

void TerminalHost::Ask() {
    if (asked_ || replyFd_ < 0 || !settings_.outputIsTerminal) {
        return;
    }
    asked_ = true;
    // The report then gives the terminal's place of the buffer's cursor.
    renderer_.ShowCursorAt(picture_.Cursor());
    askScrolls_ = picture_.ScrollCount();
    if (settings_.inputIsTty) {
        // The cursor's position first, and the kitty query between a save
        // and a restore of the cursor: some terminals take CSI ? u for
        // "restore the cursor".
        static constexpr char kQuestions[] =
            "\x1b[6n\x1b"
            "7\x1b[?u\x1b"
            "8\x1b[?2026$p\x1b[c";
        out_.Append(kQuestions, sizeof kQuestions - 1);
        keyboard_.ExpectReplies(true);
    } else {
        static constexpr char kQuestions[] = "\x1b[6n\x1b[?2026$p\x1b[c";
        out_.Append(kQuestions, sizeof kQuestions - 1);
    }
    Send();
    SetRepliesPending(true, replyFd_);
}

void TerminalHost::TakeAnswers() {
    if (!asked_ || !settings_.inputIsTty) {
        return;
    }
    if (keyboard_.TakeKittySupport()) {
        PushKittyFlags();
    }
    if (keyboard_.SynchronizedOutput()) {
        out_.SetSynchronized(true);
        SetSynchronizedOutput(true);
    }
    if (const std::optional<Coord> report = keyboard_.TakeCursorReport(); report.has_value()) {
        PlaceByReport(*report);
    }
    if (!keyboard_.RepliesPending()) {
        SetRepliesPending(false, replyFd_);
    }
}

void TerminalHost::PlaceByReport(Coord reported) {
    if (rowsKnown_) {
        return;
    }
    // The terminal's cursor has gone down one row, or scrolled at the
    // bottom, for every scroll of the buffer since it was asked.
    const std::int64_t bottom = picture_.Rows() - 1;
    const auto scrolled = static_cast<std::int64_t>(picture_.ScrollCount() - askScrolls_);
    const std::int64_t row = std::min<std::int64_t>(reported.row + scrolled, bottom);
    KnowRows(static_cast<std::int32_t>(bottom - row), true);
}

void TerminalHost::KnowRows(std::int32_t rowsUp, bool placed) {
    renderer_.Update(picture_.TakeChanged());
    renderer_.Settle();
    if (rowsUp != 0) {
        picture_.Resize(picture_.Columns(), picture_.Rows(), rowsUp);
        renderer_.ShiftRows(rowsUp);
    }
    if (!placed && !shown_) {
        // Where the shell left the cursor no longer matters, and is not
        // known: the first placement is absolute.
        renderer_.ForgetCursor();
    }
    rowsKnown_ = true;
    renderer_.SetRowsKnown();
}

void TerminalHost::NeedRows(bool cursorRow) {
    Start();
    if (rowsKnown_ || !settings_.outputIsTerminal) {
        return;
    }
    NeedTty(true);
    // Before anything is shown, placements are the terminal's rows by
    // themselves: only the cursor's own row needs the answer.
    if ((shown_ || cursorRow) && asked_) {
        WaitForReplies([this](std::chrono::milliseconds left) {
            if (settings_.inputIsTty) {
                keyboard_.AwaitReplies(left);
                TakeAnswers();
                return;
            }
            InputSource replies(replyFd_);
            KeyboardInput decoder(replies);
            decoder.ExpectReplies(true);
            const bool all = decoder.AwaitReplies(left);
            if (const std::optional<Coord> report = decoder.TakeCursorReport()) {
                PlaceByReport(*report);
            }
            SetRepliesPending(!all, replyFd_);
        });
    }
    if (!rowsKnown_) {
        KnowRows(0, false);
    }
}

void TerminalHost::UpdateExitPlace() {
    if (!ownsSession_) {
        return;
    }
    const Coord cursor = picture_.Cursor();
    const std::int32_t lowest = picture_.LowestWrittenRow();
    ExitPlace place;
    place.rowsKnown = rowsKnown_;
    // A scroll still owed to the terminal's wrap leaves the terminal's rows
    // one below the buffer's.
    const std::uint32_t owed = renderer_.ScrollOwed() ? 1 : 0;
    place.row = static_cast<std::uint32_t>(std::max<std::int32_t>(lowest + 1, cursor.row)) + owed;
    place.terminalRows = renderer_.TerminalSize().row;
    place.newRow = lowest >= cursor.row || owed != 0;
    place.wrote = shown_;
    place.coloured = renderer_.Coloured();
    SetExitPlace(place);
}

void TerminalHost::OnLeave(LeaveReason reason) {
    TerminalHost* host = leavingHost;
    if (host == nullptr) {
        return;
    }
    if (reason == LeaveReason::exit && host->asked_ && host->settings_.inputIsTty &&
        host->keyboard_.RepliesPending()) {
        // Still in the session's modes: the answers owed are read as input,
        // so none reaches the shell.
        WaitForReplies(
            [host](std::chrono::milliseconds left) { host->keyboard_.AwaitReplies(left); });
        SetRepliesPending(host->keyboard_.RepliesPending(), host->replyFd_);
    }
    if (reason != LeaveReason::stop) {
        // What the program drew since its last wait goes out first.
        host->Render();
    }
    host->UpdateExitPlace();
    host->out_.FlushFromHandler();
    if (reason != LeaveReason::stop && host->heldCarriageReturn_) {
        host->heldCarriageReturn_ = false;
        WriteAll(host->outputFd_, "\r", 1);
    }
}

void TerminalHost::ShowWaiting() {
    if (settings_.outputIsTerminal) {
        Render();
        renderer_.ShowCursorAt(picture_.Cursor());
    }
    Send();
}

void TerminalHost::BeforeScroll() {
    if (!settings_.outputIsTerminal || !started_) {
        return;
    }
    renderer_.Update(picture_.TakeChanged());
    renderer_.ScrollUp();
    shown_ = true;
}

void TerminalHost::FollowResize() {
    const Coord terminal = QueryTerminalSize(outputFd_).value_or(renderer_.TerminalSize());
    const Coord size = BufferSizeFor(terminal);
    // Known rows keep their places (the cursor, when it would leave the
    // terminal, stops on its last row), so that a drawing cut by a small
    // terminal comes back whole when it grows. A stream keeps its cursor on
    // the last row.
    const std::int32_t rowsUp = rowsKnown_ ? 0 : picture_.Rows() - std::int32_t{size.row};
    picture_.Resize(size.column, size.row, rowsUp);
    renderer_.SetTerminalSize(terminal);
    renderer_.FollowResize();
}

void TerminalHost::ServiceSignals() {
    if (!ownsSession_ || !TakeSessionEvents()) {
        return;
    }
    const bool resumed = TakeResume();
    const bool resized = TakeResize();
    if ((!resumed && !resized) || !settings_.outputIsTerminal) {
        return;
    }
    renderer_.Update(picture_.TakeChanged());
    renderer_.Settle();
    if (resized) {
        FollowResize();
    }
    if (rowsKnown_) {
        renderer_.Repaint(resized);
    } else {
        // A stream goes on from wherever the terminal's cursor now is.
        renderer_.SetTerminalSize(renderer_.TerminalSize());
    }
    renderer_.ShowCursorAt(picture_.Cursor());
    Send();
}

void TerminalHost::Show(bool lineEnd) {
    if (!settings_.outputIsTerminal) {
        return;
    }
    shown_ = shown_ || picture_.Changed();
    if (lineEnd) {
        Send();
    } else if (!holding_) {
        holding_ = true;
        heldSince_ = SteadyNow();
        callsHolding_ = 0;
    }
}

void TerminalHost::Render() {
    if (settings_.outputIsTerminal) {
        renderer_.Update(picture_.TakeChanged());
    }
}

void TerminalHost::SendIfHeldLong() {
    if (SteadyNow() - heldSince_ >= kLongestHold) {
        Send();
    }
}

void TerminalHost::Send() {
    holding_ = false;
    Render();
    out_.Flush();
}

void TerminalHost::WritePlain(const char* chars, std::uint32_t count) {
    const char* const end = chars + count;
    while (chars < end) {
        if (heldCarriageReturn_) {
            heldCarriageReturn_ = false;
            if (*chars != '\n') {
                out_.Append('\r');
            }
        }
        const void* found = std::memchr(chars, '\r', static_cast<std::size_t>(end - chars));
        const char* stop = found != nullptr ? static_cast<const char*>(found) : end;
        out_.Append(chars, static_cast<std::size_t>(stop - chars));
        if (stop == end) {
            break;
        }
        heldCarriageReturn_ = true;
        chars = stop + 1;
    }
}

void TerminalHost::WriteProcessed(const char* chars, std::uint32_t count) {
    if (!settings_.outputIsTerminal) {
        // Collected; written when the writer fills or the program waits. As
        // on Windows, output that goes to a file never reaches the buffer.
        WritePlain(chars, count);
        return;
    }
    picture_.Write(chars, count);
    Show(count == 1 ? chars[0] == '\n' : std::memchr(chars, '\n', count) != nullptr);
}

void TerminalHost::Echo(const char* chars, std::uint32_t count) {
    if (echoShownByTty_ && settings_.outputIsTerminal) {
        // On the screen already: the picture follows it, nothing is sent.
        Send();
        picture_.Write(chars, count);
        renderer_.Update(picture_.TakeChanged());
        renderer_.Settle();
        out_.DropPending();
        renderer_.ForgetPen();
        shown_ = true;
        return;
    }
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
    if (count == 1 && chars[0] == '\a') {
        out_.Append('\a');
    }
    ShowWaiting();
}

Handle TerminalHost::GetStdHandle(StdHandle which) {
    Start();
    return which == StdHandle::input ? kInputHandle : kOutputHandle;
}

bool TerminalHost::SetConsoleCursorPosition(Handle output, Coord position) {
    if (output != kOutputHandle) {
        return false;
    }
    BeginCall();
    NeedRows(false);
    return picture_.SetCursor(position);
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
    BeginCall();
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
    SetSignalKeys((inputMode_ & kProcessedInput) != 0);
}

void TerminalHost::PumpKeys() {
    keyboard_.Pump();
    TakeAnswers();
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
    EnterInput(true);
    BeginCall();
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
    EnterInput(true);
    BeginCall();
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
    EnterInput(true);
    keyboard_.Discard();
    TakeAnswers();
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

void TerminalHost::AwaitBytes() {
    while (source_.FillReady().empty() && !source_.Ended()) {
        WaitForInput();
    }
}

EchoLayout TerminalHost::Layout() const {
    return {picture_.Cursor().column, picture_.Columns()};
}

std::uint32_t TerminalHost::ReadLine(char* buffer, std::uint32_t count) {
    editor_.SetReadSize(count);
    while (!editor_.HasDelivery()) {
        InputRecord record;
        if (!NextKey(record)) {
            return 0;
        }
        echoShownByTty_ = source_.Consumed() <= typedAhead_;
        editor_.Feed(record, (inputMode_ & kEchoInput) != 0 ? this : nullptr);
        echoShownByTty_ = false;
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
    // Line editing needs no answer from the terminal: nothing is asked.
    EnterInput(false);
    BeginCall();
    ShowWaiting();
    // What is left of a line read comes first, whatever the mode is now, as
    // on a console: discarding the rest of a long line relies on it.
    const bool lineMode = (inputMode_ & kLineInput) != 0;
    if (settings_.inputIsTty) {
        *read =
            lineMode || editor_.HasDelivery() ? ReadLine(buffer, count) : ReadTyped(buffer, count);
    } else if (lineMode || pipeLines_.InLine()) {
        while (!pipeLines_.Read(source_, buffer, count, *read)) {
            AwaitBytes();
        }
    } else {
        AwaitBytes();
        const auto bytes = source_.FillReady();
        const auto n = std::min<std::size_t>(bytes.size(), count);
        std::memcpy(buffer, bytes.data(), n);
        source_.Consume(n);
        *read = static_cast<std::uint32_t>(n);
    }
    return true;
}

bool TerminalHost::GetConsoleScreenBufferInfo(Handle output, ScreenBufferInfo* info) {
    if (output != kOutputHandle || !settings_.outputIsTerminal) {
        return false;
    }
    BeginCall();
    NeedRows(true);
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
    BeginCall();
    NeedRows(false);
    const std::uint32_t n = picture_.PutCharacters(chars, count, start);
    if (n > 0) {
        Show(false);
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
    BeginCall();
    NeedRows(false);
    const std::uint32_t n = picture_.PutAttributes(attributes, count, start);
    if (n > 0) {
        Show(false);
    }
    if (written != nullptr) {
        *written = n;
    }
    return true;
}

bool TerminalHost::ReadConsoleOutputCharacterA(Handle output, char* chars, std::uint32_t count,
                                               Coord start, std::uint32_t* read) {
    *read = 0;
    if (output != kOutputHandle) {
        return false;
    }
    NeedRows(false);
    *read = picture_.GetCharacters(chars, count, start);
    return true;
}

bool TerminalHost::ReadConsoleOutputAttribute(Handle output, std::uint16_t* attributes,
                                              std::uint32_t count, Coord start,
                                              std::uint32_t* read) {
    *read = 0;
    if (output != kOutputHandle) {
        return false;
    }
    NeedRows(false);
    *read = picture_.GetAttributes(attributes, count, start);
    return true;
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
    EnterInput(true);
    ShowWaiting();
    PumpKeys();
    // A key already queued or the input's end is for the caller to see now.
    if (keyboard_.Queue().Empty() && !source_.Ended()) {
        WaitForInput();
    }
    ServiceSignals();
}

void TerminalHost::BeginOverlay(Handle output) {
    if (output != kOutputHandle || !settings_.outputIsTerminal || overlays_++ > 0) {
        return;
    }
    NeedRows(false);
    Render();
    beforeOverlay_.CopyFrom(picture_);
    // CSI ? 1049 h: the alternate screen, blank; the program's cells are
    // painted on it again so the overlay sits over them.
    out_.Append("\x1b[?1049h", 8);
    SetAlternateScreen(true);
    renderer_.Repaint(false);
    Send();
}

void TerminalHost::EndOverlay(Handle output) {
    if (output != kOutputHandle || !settings_.outputIsTerminal || overlays_ == 0 ||
        --overlays_ > 0) {
        return;
    }
    picture_.CopyFrom(beforeOverlay_);
    // CSI ? 1049 l: back to the screen as the overlay found it.
    out_.Append("\x1b[?1049l", 8);
    SetAlternateScreen(false);
    renderer_.FollowResize();
    renderer_.AssumeShowsWritten();
    renderer_.ShowCursorAt(picture_.Cursor());
    Send();
}

void TerminalHost::ExitProcess(std::uint32_t status) {
    Leave();
    std::exit(static_cast<int>(status));
}

}  // namespace conkit::host::terminal
