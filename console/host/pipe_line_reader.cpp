#include "console/host/pipe_line_reader.hpp"

namespace conkit::host::terminal {

std::uint32_t PipeLineReader::Read(ByteStream& stream, char* buffer, std::uint32_t count) {
    std::uint32_t n = 0;
    while (n < count) {
        if (ending_ == Ending::lineFeed) {
            buffer[n++] = '\n';
            ending_ = Ending::none;
            return n;
        }
        if (ending_ == Ending::carriageReturn) {
            buffer[n++] = '\r';
            ending_ = Ending::lineFeed;
            continue;
        }
        int byte = pushedBack_;
        pushedBack_ = -1;
        if (byte < 0) {
            byte = stream.NextByte();
        }
        if (byte == '\n' || (byte < 0 && lineStarted_)) {
            // A CR held at the end of the input ends the line as CR LF would.
            heldReturn_ = false;
            lineStarted_ = false;
            ending_ = Ending::carriageReturn;
            continue;
        }
        if (byte < 0) {
            return n;
        }
        lineStarted_ = true;
        if (heldReturn_) {
            heldReturn_ = false;
            buffer[n++] = '\r';
            pushedBack_ = byte;
            continue;
        }
        if (byte == '\r') {
            heldReturn_ = true;
            continue;
        }
        buffer[n++] = static_cast<char>(byte);
    }
    return n;
}

}  // namespace conkit::host::terminal
