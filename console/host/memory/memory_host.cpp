#include "console/host/memory/memory_host.hpp"

namespace conkit::host::memory {

MemoryHost::MemoryHost(std::uint16_t columns, std::uint16_t rows) : screen_(columns, rows) {}

Handle MemoryHost::GetStdHandle(StdHandle which) {
    const Handle handle = which == StdHandle::input ? kInputHandle : kOutputHandle;
    log_.push_back({Operation::getStdHandle, {}, static_cast<std::uint32_t>(handle)});
    return handle;
}

bool MemoryHost::SetConsoleCursorPosition(Handle output, Coord position) {
    log_.push_back({Operation::setCursorPosition, position});
    return output == kOutputHandle && screen_.SetCursor(position);
}

bool MemoryHost::SetConsoleTextAttribute(Handle output, std::uint16_t attribute) {
    log_.push_back({Operation::setTextAttribute, {}, attribute});
    if (output != kOutputHandle) {
        return false;
    }
    screen_.SetAttribute(attribute);
    return true;
}

void MemoryHost::WriteProcessed(const char* chars, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto byte = static_cast<std::uint8_t>(chars[i]);
        const Coord at = screen_.Cursor();
        screen_.Write(&chars[i], 1);
        const bool control =
            byte == '\r' || byte == '\n' || byte == '\b' || byte == '\t' || byte == '\a';
        if (!control) {
            paints_.push_back({at, byte, screen_.Attribute()});
        }
    }
}

bool MemoryHost::WriteConsoleA(Handle output, const char* chars, std::uint32_t count,
                               std::uint32_t* written) {
    log_.push_back({Operation::writeConsole, screen_.Cursor(), count, std::string(chars, count)});
    if (output != kOutputHandle) {
        return false;
    }
    WriteProcessed(chars, count);
    if (written != nullptr) {
        *written = count;
    }
    return true;
}

bool MemoryHost::GetConsoleMode(Handle input, std::uint32_t* mode) {
    log_.push_back({Operation::getMode, {}, inputMode_});
    if (input != kInputHandle) {
        return false;
    }
    *mode = inputMode_;
    return true;
}

bool MemoryHost::SetConsoleMode(Handle input, std::uint32_t mode) {
    log_.push_back({Operation::setMode, {}, mode});
    if (input != kInputHandle) {
        return false;
    }
    inputMode_ = mode;
    return true;
}

bool MemoryHost::PeekConsoleInputA(Handle input, InputRecord* records, std::uint32_t length,
                                   std::uint32_t* count) {
    const std::uint32_t n = input == kInputHandle ? queue_.Peek(records, length) : 0;
    log_.push_back({Operation::peekInput, {}, n});
    *count = n;
    return input == kInputHandle;
}

bool MemoryHost::ReadConsoleInputA(Handle input, InputRecord* records, std::uint32_t length,
                                   std::uint32_t* count) {
    const std::uint32_t n = input == kInputHandle ? queue_.Read(records, length) : 0;
    log_.push_back({Operation::readInput, {}, n});
    if (n > 0) {
        idleMs_ = 0;
    }
    *count = n;
    return input == kInputHandle;
}

bool MemoryHost::FlushConsoleInputBuffer(Handle input) {
    log_.push_back({Operation::flushInput, {}, queue_.Size()});
    if (input != kInputHandle) {
        return false;
    }
    queue_.Flush();
    return true;
}

void MemoryHost::Echo(const char* chars, std::uint32_t count) {
    WriteProcessed(chars, count);
}

EchoLayout MemoryHost::Layout() const {
    return {screen_.Cursor().column, screen_.Columns()};
}

bool MemoryHost::FillLine() {
    InputRecord record;
    while (!editor_.HasDelivery() && queue_.Read(&record, 1) == 1) {
        idleMs_ = 0;
        editor_.Feed(record, (inputMode_ & kEchoInput) != 0 ? this : nullptr);
    }
    return editor_.HasDelivery();
}

bool MemoryHost::ReadConsoleA(Handle input, char* buffer, std::uint32_t count,
                              std::uint32_t* read) {
    std::uint32_t n = 0;
    if (input == kInputHandle && count > 0) {
        // The rest of a line that a line-mode read left comes first, in
        // any mode, as the console keeps it for the next read.
        if (editor_.HasDelivery() || (inputMode_ & kLineInput) != 0) {
            if (FillLine()) {
                n = editor_.Deliver(buffer, count);
            }
        } else {
            InputRecord record;
            while (n < count && queue_.Read(&record, 1) == 1) {
                idleMs_ = 0;
                if (record.eventType == kKeyEvent && (record.key.keyDown & 1U) != 0 &&
                    record.key.character != 0) {
                    buffer[n++] = static_cast<char>(record.key.character);
                }
            }
        }
    }
    log_.push_back({Operation::readConsole, {}, n, std::string(buffer, n)});
    *read = n;
    return input == kInputHandle;
}

bool MemoryHost::GetConsoleScreenBufferInfo(Handle output, ScreenBufferInfo* info) {
    log_.push_back({Operation::getScreenBufferInfo});
    if (output != kOutputHandle || !outputIsConsole_) {
        return false;
    }
    info->size = {screen_.Columns(), screen_.Rows()};
    info->cursor = screen_.Cursor();
    info->attribute = screen_.Attribute();
    return true;
}

bool MemoryHost::WriteConsoleOutputCharacterA(Handle output, const char* chars, std::uint32_t count,
                                              Coord start, std::uint32_t* written) {
    log_.push_back({Operation::writeOutputCharacter, start, count, std::string(chars, count)});
    const std::uint32_t n =
        output == kOutputHandle ? screen_.PutCharacters(chars, count, start) : 0;
    if (written != nullptr) {
        *written = n;
    }
    return output == kOutputHandle;
}

bool MemoryHost::WriteConsoleOutputAttribute(Handle output, const std::uint16_t* attributes,
                                             std::uint32_t count, Coord start,
                                             std::uint32_t* written) {
    log_.push_back({Operation::writeOutputAttribute, start, count});
    const std::uint32_t n =
        output == kOutputHandle ? screen_.PutAttributes(attributes, count, start) : 0;
    if (written != nullptr) {
        *written = n;
    }
    return output == kOutputHandle;
}

bool MemoryHost::ReadConsoleOutputCharacterA(Handle output, char* chars, std::uint32_t count,
                                             Coord start, std::uint32_t* read) {
    log_.push_back({Operation::readOutputCharacter, start, count});
    *read = output == kOutputHandle ? screen_.GetCharacters(chars, count, start) : 0;
    return output == kOutputHandle;
}

bool MemoryHost::ReadConsoleOutputAttribute(Handle output, std::uint16_t* attributes,
                                            std::uint32_t count, Coord start, std::uint32_t* read) {
    log_.push_back({Operation::readOutputAttribute, start, count});
    *read = output == kOutputHandle ? screen_.GetAttributes(attributes, count, start) : 0;
    return output == kOutputHandle;
}

void MemoryHost::DeliverDueEvents() {
    while (nextScheduled_ < scheduled_.size() && scheduled_[nextScheduled_].atMs <= nowMs_) {
        queue_.Push(scheduled_[nextScheduled_].record);
        ++nextScheduled_;
    }
}

void MemoryHost::Sleep(std::uint32_t milliseconds) {
    log_.push_back({Operation::sleep, {}, milliseconds});
    nowMs_ += milliseconds;
    DeliverDueEvents();
    if (queue_.Empty() && nextScheduled_ == scheduled_.size()) {
        idleMs_ += milliseconds;
        if (idleMs_ > idleLimitMs_) {
            throw InputExhausted{};
        }
    }
}

void MemoryHost::ExitProcess(std::uint32_t status) {
    log_.push_back({Operation::exitProcess, {}, status});
    throw ProcessExit{status};
}

bool MemoryHost::QueueKey(const KeyEventRecord& key) {
    return queue_.Push(InputRecord{kKeyEvent, key});
}

void MemoryHost::Schedule(std::uint64_t atMs, const InputRecord& record) {
    scheduled_.push_back({atMs, record});
    DeliverDueEvents();
}

void MemoryHost::ClearTrace() {
    log_.clear();
    paints_.clear();
}

std::string MemoryHost::RowText(std::uint16_t row, std::uint16_t column,
                                std::uint16_t count) const {
    std::string text;
    for (std::uint16_t i = 0; i < count && column + i < screen_.Columns(); ++i) {
        text.push_back(
            static_cast<char>(screen_.At(static_cast<std::uint16_t>(column + i), row).character));
    }
    return text;
}

}  // namespace conkit::host::memory
