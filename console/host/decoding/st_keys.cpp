#include "console/host/decoding/st_keys.hpp"

#include "console/host/decoding/us_keyboard.hpp"

namespace conkit::host::decoding {
namespace {

struct StForm {
    std::uint8_t final;
    // The sole parameter, or 0 for none.
    std::uint32_t parameter;
    KeyShape shape;
    std::uint32_t state;
};

constexpr StForm kForms[] = {
    {'h', 4, kInsertKey, 0},     {'l', 4, kInsertKey, kShiftBit}, {'L', 0, kInsertKey, kCtrlBit},
    {'P', 0, kDeleteKey, 0},     {'M', 0, kDeleteKey, kCtrlBit},  {'K', 2, kDeleteKey, kShiftBit},
    {'J', 0, kEndKey, kCtrlBit}, {'K', 0, kEndKey, kShiftBit},    {'J', 2, kHomeKey, kShiftBit},
};

}  // namespace

std::optional<KeyEventRecord> StCsiKey(const ControlSequence& sequence, bool kittyTerminal) {
    if (sequence.count > 1) {
        return std::nullopt;
    }
    const std::uint32_t parameter = sequence.count == 0 ? 0 : sequence.Value(0, 0, 0);
    if (sequence.final == 'P' && kittyTerminal) {
        return std::nullopt;
    }
    for (const StForm& form : kForms) {
        if (form.final == sequence.final && form.parameter == parameter) {
            return KeyDown(form.shape, form.state);
        }
    }
    return std::nullopt;
}

}  // namespace conkit::host::decoding
