// A decoder sink that keeps everything it is told, for the decoder's tests.
#pragma once

#include <cstdint>
#include <vector>

#include "console/host/decoding/key_decoder.hpp"

namespace conkit::host::decoding::testing {

class RecordingSink final : public DecoderSink {
  public:
    void Key(const InputRecord& record) override { records.push_back(record); }
    void KittyFlagsReported(std::uint32_t flags) override { kittyFlags.push_back(flags); }
    void DeviceAttributesReported() override { ++deviceAttributes; }

    // The key events alone, in order.
    std::vector<KeyEventRecord> Keys() const {
        std::vector<KeyEventRecord> keys;
        for (const InputRecord& record : records) {
            keys.push_back(record.key);
        }
        return keys;
    }

    std::vector<InputRecord> records;
    std::vector<std::uint32_t> kittyFlags;
    int deviceAttributes = 0;
};

}  // namespace conkit::host::decoding::testing
