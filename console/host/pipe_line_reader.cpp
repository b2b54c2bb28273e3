#include "console/host/pipe_line_reader.hpp"

namespace conkit::host {

bool PipeLineReader::Read(ByteSource& source, char* buffer, std::uint32_t count,
                          std::uint32_t& done) {
    while (done < count) {
        if (ending_ == Ending::lineFeed) {
            buffer[done++] = '\n';
            ending_ = Ending::none;
            return true;
        }
        if (ending_ == Ending::carriageReturn) {
            buffer[done++] = '\r';
            ending_ = Ending::lineFeed;
            continue;
        }
        const auto bytes = source.FillReady();
        if (bytes.empty() && !source.Ended()) {
            return false;
        }
        if (bytes.empty() && !lineStarted_) {
            return true;
        }
        if (bytes.empty() || bytes.front() == '\n') {
            // An LF ends the line, and so does the end of the input after
            // the line's text (a CR held there included): CR LF either way.
            source.Consume(bytes.empty() ? 0 : 1);
            heldReturn_ = false;
            lineStarted_ = false;
            ending_ = Ending::carriageReturn;
            continue;
        }
        lineStarted_ = true;
        if (heldReturn_) {
            // The byte after it stays for the next round.
            heldReturn_ = false;
            buffer[done++] = '\r';
            continue;
        }
        const char byte = static_cast<char>(bytes.front());
        source.Consume(1);
        if (byte == '\r') {
            heldReturn_ = true;
            continue;
        }
        buffer[done++] = byte;
    }
    return true;
}

}  // namespace conkit::host
