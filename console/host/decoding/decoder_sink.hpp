// What the key decoder hands on: the keys it recognises and the terminal's
// answers to the host's queries.
#pragma once

#include <cstdint>

#include "conkit/host/console_types.hpp"

namespace conkit::host::decoding {

// Receives the terminal's answers to queries that the decoder recognises.
class ReplySink {
  public:
    // The terminal answered the kitty keyboard protocol query (CSI ? flags u).
    virtual void KittyFlagsReported(std::uint32_t flags) = 0;
    // The terminal answered the primary device attributes query (CSI ? ... c).
    virtual void DeviceAttributesReported() = 0;
    // CSI row ; column R: a cursor position report (1-based) when the sink
    // awaits one, which it takes and returns true for; otherwise the same
    // bytes are a key (Ctrl+F3 is CSI 1 ; 5 R).
    virtual bool CursorPositionReported(std::uint32_t /*row*/, std::uint32_t /*column*/) {
        return false;
    }
    // CSI ? mode ; state $ y: the terminal's answer to a DEC private mode
    // query (DECRQM); state 0 when it does not know the mode.
    virtual void ModeReported(std::uint32_t /*mode*/, std::uint32_t /*state*/) {}

  protected:
    ~ReplySink() = default;
};

// Receives what the decoder recognises: keys and answers.
class DecoderSink : public ReplySink {
  public:
    // A key press or release, as a console input record.
    virtual void Key(const InputRecord& record) = 0;

  protected:
    ~DecoderSink() = default;
};

}  // namespace conkit::host::decoding
