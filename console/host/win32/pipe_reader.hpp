// Reads a pipe on a thread of its own, a chunk at a time, so that the
// program can tell whether bytes have arrived without waiting for them.
// Windows cannot look into every pipe: PeekNamedPipe, and with it any wait
// on the handle, fails on the POSIX pipes Wine hands a program. The thread
// reads the next chunk only once the last one has been taken, so it holds
// at most one chunk the program has not asked for.
#pragma once

#include <cstddef>
#include <cstdint>

#include "conkit/host/console_types.hpp"

namespace conkit::host::win32 {

class PipeReader {
  public:
    static constexpr std::size_t kChunk = 128;

    // Starts reading pipe; false, with nothing started, when no thread could
    // be made or one already reads another pipe.
    bool Start(Handle pipe);

    // Copies the chunk that has arrived to bytes (kChunk of room) and
    // returns its size; 0 when none has arrived yet, or, with *ended set,
    // at the end of the pipe. With wait, waits for a chunk or the end.
    std::size_t Take(std::uint8_t* bytes, bool wait, bool* ended);

  private:
    static unsigned long __stdcall Run(void* self);
    void ReadChunks();

    Handle pipe_ = 0;
    void* arrived_ = nullptr;
    void* taken_ = nullptr;
    std::uint8_t chunk_[kChunk] = {};
    std::size_t size_ = 0;
    bool ended_ = false;
};

}  // namespace conkit::host::win32
