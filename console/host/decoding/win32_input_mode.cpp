#include "console/host/decoding/win32_input_mode.hpp"

#include "console/host/decoding/code_page_437.hpp"

namespace conkit::host::decoding {

std::optional<KeyEventRecord> Win32InputKey(const ControlSequence& sequence) {
    constexpr std::uint32_t kLargestField = 0xFFFF;
    const std::uint32_t virtualKey = sequence.Value(0, 0, 0);
    const std::uint32_t scan = sequence.Value(1, 0, 0);
    const std::uint32_t unit = sequence.Value(2, 0, 0);
    const std::uint32_t repeat = sequence.Value(5, 0, 1);
    if (virtualKey > kLargestField || scan > kLargestField || unit > kLargestField ||
        repeat > kLargestField) {
        return std::nullopt;
    }
    KeyEventRecord record;
    record.keyDown = sequence.Value(3, 0, 0) != 0 ? 1U : 0U;
    record.repeatCount = static_cast<std::uint16_t>(repeat);
    record.virtualKey = static_cast<std::uint16_t>(virtualKey);
    record.virtualScan = static_cast<std::uint16_t>(scan);
    record.character = UnicodeToCp437(unit);
    record.controlState = sequence.Value(4, 0, 0);
    return record;
}

}  // namespace conkit::host::decoding
