// Line-mode reads when the input is not a terminal (a pipe or a file): the
// bytes of one line, LF or CR LF ended, delivered with CR LF as a console
// line read gives them; no editing and no echo. A last line without its LF
// (or ended by a lone CR) still ends with CR LF; after it every read gives
// 0 characters.
#pragma once

#include <cstdint>

namespace conkit::host::terminal {

// Where the bytes come from.
class ByteStream {
  public:
    // The next byte, waiting for it if need be; -1 at the end of the input.
    virtual int NextByte() = 0;

  protected:
    ~ByteStream() = default;
};

class PipeLineReader {
  public:
    // Copies up to count characters of the current line to buffer, waiting
    // for them; stops after the LF that ends a line. Returns the number
    // copied, 0 at the end of the input.
    std::uint32_t Read(ByteStream& stream, char* buffer, std::uint32_t count);

    // True while a line has been handed out only in part.
    bool InLine() const {
        return lineStarted_ || heldReturn_ || pushedBack_ >= 0 || ending_ != Ending::none;
    }

  private:
    enum class Ending : std::uint8_t { none, carriageReturn, lineFeed };

    // The ending still to hand out, in pieces when count is small.
    Ending ending_ = Ending::none;
    // A CR that may be the first half of a CR LF.
    bool heldReturn_ = false;
    // A byte read ahead that belongs to the next call.
    int pushedBack_ = -1;
    bool lineStarted_ = false;
};

}  // namespace conkit::host::terminal
