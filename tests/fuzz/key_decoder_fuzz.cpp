// Random bytes with random time gaps into the terminal key decoder. Checks
// what must hold for any input: only key events come out, their key-down
// flag is 0 or 1, a waiting deadline lies within the timeout after the
// current time, and once it passes nothing waits any more.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "console/host/decoding/key_decoder.hpp"

namespace {

using conkit::host::InputRecord;
using conkit::host::decoding::DecoderSink;
using conkit::host::decoding::KeyDecoder;
using std::chrono::milliseconds;

class CheckingSink final : public DecoderSink {
  public:
    void Key(const InputRecord& record) override {
        if (record.eventType != conkit::host::kKeyEvent || record.key.keyDown > 1) {
            std::abort();
        }
    }
    void KittyFlagsReported(std::uint32_t) override {}
    void DeviceAttributesReported() override {}
};

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

// Each chunk of input is one control byte followed by up to 15 bytes: the
// control byte's low four bits give the chunk length, its high four bits the
// gap in milliseconds before it arrives (0 to 45, in steps of 3), so chunks
// fall on both sides of the Escape timeout.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    KeyDecoder decoder;
    CheckingSink sink;
    milliseconds now{0};
    std::size_t offset = 0;
    while (offset < size) {
        const std::uint8_t control = data[offset++];
        const std::size_t length = std::min<std::size_t>(control & 0x0FU, size - offset);
        now += milliseconds{(control >> 4) * 3};
        if ((control & 0x0FU) == 0x0F) {
            decoder.Expire(now, sink);
        } else {
            decoder.Feed(data + offset, length, now, sink);
            offset += length;
        }
        const auto deadline = decoder.Deadline();
        Check(!deadline || (*deadline > now && *deadline <= now + KeyDecoder::kEscapeTimeout));
    }
    const auto deadline = decoder.Deadline();
    if (deadline) {
        decoder.Expire(*deadline, sink);
        Check(!decoder.Deadline());
    }
    return 0;
}
