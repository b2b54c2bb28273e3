// Line-mode reads when the input is not a terminal (a pipe or a file): the
// bytes of one line, LF or CR LF ended, delivered with CR LF as a console
// line read gives them; no editing and no echo. A last line without its LF
// (or ended by a lone CR) still ends with CR LF; after it every read gives
// 0 characters.
#pragma once

#include <cstdint>

#include "console/host/byte_source.hpp"

namespace conkit::host {

class PipeLineReader {
  public:
    // Copies characters of the current line from the bytes ready in source
    // to buffer, from buffer[done] on, counting them in done. Returns true
    // once the read is over: the LF that ends a line copied, count
    // characters copied or the input ended (0 copied in all: its end).
    // Returns false when it needs bytes that have not come yet: the caller
    // waits for them and calls again with the same buffer and done.
    bool Read(ByteSource& source, char* buffer, std::uint32_t count, std::uint32_t& done);

    // True while a line has been handed out only in part.
    bool InLine() const { return lineStarted_ || heldReturn_ || ending_ != Ending::none; }

  private:
    enum class Ending : std::uint8_t { none, carriageReturn, lineFeed };

    // The ending still to hand out, in pieces when count is small.
    Ending ending_ = Ending::none;
    // A CR that may be the first half of a CR LF.
    bool heldReturn_ = false;
    bool lineStarted_ = false;
};

}  // namespace conkit::host
