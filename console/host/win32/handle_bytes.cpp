#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include "console/host/win32/handle_bytes.hpp"
#include "console/host/win32/native_handle.hpp"

namespace conkit::host::win32 {

void HandleBytes::Use(Handle input) {
    if (input == input_) {
        return;
    }
    input_ = input;
    begin_ = end_ = 0;
    ended_ = false;
    // Without a thread of its own a pipe is read as a file is: a look for
    // keys may then wait for them.
    viaPipeReader_ = ::GetFileType(NativeHandle(input)) == FILE_TYPE_PIPE && pipe_.Start(input);
}

std::span<const std::uint8_t> HandleBytes::Buffered() const {
    return {buffer_ + begin_, end_ - begin_};
}

void HandleBytes::Consume(std::size_t count) {
    begin_ = count < end_ - begin_ ? begin_ + count : end_;
}

void HandleBytes::Fill(bool wait) {
    begin_ = end_ = 0;
    if (viaPipeReader_) {
        end_ = pipe_.Take(buffer_, wait, &ended_);
        return;
    }
    DWORD got = 0;
    if (::ReadFile(NativeHandle(input_), buffer_, kChunk, &got, nullptr) == FALSE || got == 0) {
        // The end of a file, or a failed read: no byte can come after it.
        ended_ = true;
        return;
    }
    end_ = got;
}

std::span<const std::uint8_t> HandleBytes::FillReady() {
    if (begin_ == end_ && !ended_) {
        Fill(false);
    }
    return Buffered();
}

void HandleBytes::AwaitBytes() {
    if (begin_ == end_ && !ended_) {
        Fill(true);
    }
}

}  // namespace conkit::host::win32
