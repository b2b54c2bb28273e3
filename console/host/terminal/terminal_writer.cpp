#include "console/host/terminal/terminal_writer.hpp"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "console/host/terminal/decimal_text.hpp"

namespace conkit::host::terminal {
namespace {

volatile std::sig_atomic_t writeUnderWay = 0;
void (*volatile afterWrite)() = nullptr;

}  // namespace

bool WriteUnderWay() {
    return writeUnderWay != 0;
}

void SetAfterWrite(void (*hook)()) {
    afterWrite = hook;
}

bool WriteAll(int fd, const char* bytes, std::size_t count, std::uint64_t* calls) {
    while (count > 0) {
        const ssize_t written = ::write(fd, bytes, count);
        if (calls != nullptr) {
            ++*calls;
        }
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

TerminalWriter::TerminalWriter(int fd, std::size_t capacity)
    : fd_(fd),
      capacity_(capacity == 0 ? 1 : capacity),
      // Left uninitialised, so that pages never written are never touched.
      buffer_(new char[capacity_]) {}

void TerminalWriter::Append(char byte) {
    if (size_ == capacity_) {
        Flush();
    }
    buffer_[size_] = byte;
    // The byte is in place before a handler can count it.
    std::atomic_signal_fence(std::memory_order_seq_cst);
    size_ = size_ + 1;
}

void TerminalWriter::Append(const char* bytes, std::size_t count) {
    while (count > 0) {
        if (size_ == capacity_) {
            Flush();
        }
        const std::size_t room = capacity_ - size_;
        const std::size_t piece = count < room ? count : room;
        std::memcpy(buffer_.get() + size_, bytes, piece);
        std::atomic_signal_fence(std::memory_order_seq_cst);
        size_ = size_ + piece;
        bytes += piece;
        count -= piece;
    }
}

void TerminalWriter::AppendDecimal(std::uint32_t n) {
    const DecimalText text(n);
    Append(text.Data(), text.Length());
}

void TerminalWriter::BeginFrame() {
    if (synchronized_ && !inFrame_) {
        inFrame_ = true;
        Append("\x1b[?2026h", 8);
    }
}

bool TerminalWriter::Flush() {
    if (inFrame_) {
        inFrame_ = false;
        Append("\x1b[?2026l", 8);
    }
    bool complete = true;
    while (begin_ < size_) {
        // Under way before the start is read: a handler from here on leaves
        // the bytes to this loop.
        writeUnderWay = 1;
        std::atomic_signal_fence(std::memory_order_seq_cst);
        const std::size_t from = begin_;
        const ssize_t written = ::write(fd_, buffer_.get() + from, size_ - from);
        const int error = errno;
        if (written > 0) {
            begin_ = from + static_cast<std::size_t>(written);
            stats_.bytes += static_cast<std::uint64_t>(written);
        }
        std::atomic_signal_fence(std::memory_order_seq_cst);
        writeUnderWay = 0;
        ++stats_.writeCalls;
        if (written < 0 && error != EINTR) {
            // The descriptor takes nothing more; what is left is dropped.
            begin_ = size_;
            complete = false;
        }
        // A signal deferred during the call is acted on now; its handling
        // may have written the rest already.
        if (void (*hook)() = afterWrite; hook != nullptr) {
            hook();
        }
    }
    size_ = 0;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    begin_ = 0;
    return complete;
}

void TerminalWriter::FlushFromHandler() {
    while (begin_ < size_) {
        const ssize_t written = ::write(fd_, buffer_.get() + begin_, size_ - begin_);
        if (written < 0 && errno != EINTR) {
            return;
        }
        if (written > 0) {
            begin_ = begin_ + static_cast<std::size_t>(written);
        }
    }
}

}  // namespace conkit::host::terminal
