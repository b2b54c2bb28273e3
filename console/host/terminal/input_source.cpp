#include "console/host/terminal/input_source.hpp"

#include <unistd.h>

#include <cerrno>

#include "console/host/terminal/system_calls.hpp"

namespace conkit::host::terminal {

std::span<const std::uint8_t> InputSource::FillReady() {
    if (begin_ < end_ || ended_) {
        return Buffered();
    }
    if (!ReadableNow(fd_)) {
        return Buffered();
    }
    // A hang-up or error still lets read report it, after any bytes that
    // arrived before it.
    const std::size_t wanted = read_ < boundary_ && boundary_ - read_ < kChunk
                                   ? static_cast<std::size_t>(boundary_ - read_)
                                   : kChunk;
    ssize_t got = 0;
    do {
        got = ::read(fd_, buffer_, wanted);
    } while (got < 0 && errno == EINTR);
    if (got > 0) {
        begin_ = 0;
        end_ = static_cast<std::size_t>(got);
        read_ += end_;
    } else if (got == 0 || errno != EAGAIN) {
        ended_ = true;
    }
    return Buffered();
}

std::span<const std::uint8_t> InputSource::Buffered() const {
    return {buffer_ + begin_, end_ - begin_};
}

void InputSource::Consume(std::size_t count) {
    const std::size_t taken = count < end_ - begin_ ? count : end_ - begin_;
    begin_ += taken;
    consumed_ += taken;
}

void InputSource::Wait(int timeoutMs, const sigset_t& mask) const {
    if (begin_ < end_ || ended_) {
        return;
    }
    WaitReadable(fd_, timeoutMs, mask);
}

}  // namespace conkit::host::terminal
