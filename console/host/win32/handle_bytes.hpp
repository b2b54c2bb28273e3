// The bytes of an input handle that is no console (a file or a pipe), in
// one buffer that key reads and line reads share, so that neither loses
// bytes the other has taken. A file or a device answers a read at once; a
// pipe is read by a PipeReader, so that taking what has arrived never waits
// for more.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "conkit/host/console_types.hpp"
#include "console/host/byte_source.hpp"
#include "console/host/win32/pipe_reader.hpp"

namespace conkit::host::win32 {

class HandleBytes final : public ByteSource {
  public:
    // As the terminal host's: what one read decodes to always fits in the
    // input queue.
    static constexpr std::size_t kChunk = PipeReader::kChunk;

    // Reads from input from now on.
    void Use(Handle input);

    std::span<const std::uint8_t> FillReady() override;
    void Consume(std::size_t count) override;
    bool Ended() const override { return ended_; }
    // When nothing is buffered, waits for bytes or the end of the input.
    void AwaitBytes();

  private:
    std::span<const std::uint8_t> Buffered() const;
    // Fills the empty buffer; with wait, waits for a byte or the end.
    void Fill(bool wait);

    Handle input_ = 0;
    PipeReader pipe_;
    bool viaPipeReader_ = false;
    std::uint8_t buffer_[kChunk] = {};
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
};

}  // namespace conkit::host::win32
