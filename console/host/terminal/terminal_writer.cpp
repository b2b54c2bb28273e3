#include "console/host/terminal/terminal_writer.hpp"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace conkit::host::terminal {

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
    : fd_(fd), buffer_(capacity == 0 ? 1 : capacity) {}

void TerminalWriter::Append(char byte) {
    if (size_ == buffer_.size()) {
        Flush();
    }
    buffer_[size_++] = byte;
}

void TerminalWriter::Append(const char* bytes, std::size_t count) {
    while (count > 0) {
        if (size_ == buffer_.size()) {
            Flush();
        }
        const std::size_t room = buffer_.size() - size_;
        const std::size_t piece = count < room ? count : room;
        std::memcpy(buffer_.data() + size_, bytes, piece);
        size_ += piece;
        bytes += piece;
        count -= piece;
    }
}

void TerminalWriter::AppendDecimal(std::uint32_t n) {
    char digits[10];
    std::size_t length = 0;
    do {
        digits[length++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    while (length > 0) {
        Append(digits[--length]);
    }
}

bool TerminalWriter::Flush() {
    const std::size_t size = size_;
    if (size == 0) {
        return true;
    }
    // Emptied first, so that a signal handler flushing on the way out does
    // not write these bytes a second time.
    size_ = 0;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    const bool complete = WriteAll(fd_, buffer_.data(), size, &stats_.writeCalls);
    stats_.bytes += size;
    return complete;
}

}  // namespace conkit::host::terminal
