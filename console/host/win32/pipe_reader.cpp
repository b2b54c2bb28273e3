#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <cstring>

#include "console/host/win32/native_handle.hpp"
#include "console/host/win32/pipe_reader.hpp"

namespace conkit::host::win32 {
namespace {

void CloseIfOpen(void*& handle) {
    if (handle != nullptr) {
        ::CloseHandle(handle);
        handle = nullptr;
    }
}

}  // namespace

bool PipeReader::Start(Handle pipe) {
    if (arrived_ != nullptr) {
        return false;
    }
    pipe_ = pipe;
    arrived_ = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    // Signalled: the first chunk may be read at once.
    taken_ = ::CreateEventA(nullptr, FALSE, TRUE, nullptr);
    HANDLE thread = nullptr;
    if (arrived_ != nullptr && taken_ != nullptr) {
        thread = ::CreateThread(nullptr, 0, &PipeReader::Run, this, 0, nullptr);
    }
    if (thread == nullptr) {
        CloseIfOpen(arrived_);
        CloseIfOpen(taken_);
        return false;
    }
    ::CloseHandle(thread);
    return true;
}

DWORD WINAPI PipeReader::Run(void* self) {
    static_cast<PipeReader*>(self)->ReadChunks();
    return 0;
}

void PipeReader::ReadChunks() {
    while (!ended_) {
        ::WaitForSingleObject(taken_, INFINITE);
        DWORD got = 0;
        const BOOL ok = ::ReadFile(NativeHandle(pipe_), chunk_, kChunk, &got, nullptr);
        size_ = ok != FALSE ? got : 0;
        // A pipe whose writer has gone, or a failed read: no byte can come
        // after either.
        ended_ = size_ == 0;
        ::SetEvent(arrived_);
    }
}

std::size_t PipeReader::Take(std::uint8_t* bytes, bool wait, bool* ended) {
    if (::WaitForSingleObject(arrived_, wait ? INFINITE : 0) != WAIT_OBJECT_0) {
        return 0;
    }
    const std::size_t size = size_;
    std::memcpy(bytes, chunk_, size);
    *ended = ended_;
    if (!ended_) {
        ::SetEvent(taken_);
    }
    return size;
}

}  // namespace conkit::host::win32
