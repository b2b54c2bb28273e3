#include "console/host/decoding/sequence_reports.hpp"

#include <optional>

#include "console/host/decoding/kitty_keys.hpp"
#include "console/host/decoding/legacy_keys.hpp"
#include "console/host/decoding/modifier_parameter.hpp"
#include "console/host/decoding/rxvt_keys.hpp"
#include "console/host/decoding/st_keys.hpp"
#include "console/host/decoding/us_keyboard.hpp"
#include "console/host/decoding/win32_input_mode.hpp"

namespace conkit::host::decoding {
namespace {

// The number CSI 27 ; modifiers ; code ~ starts with.
constexpr std::uint32_t kModifiedOtherKey = 27;

void Emit(const std::optional<KeyEventRecord>& key, DecoderSink& sink) {
    if (key) {
        sink.Key(InputRecord{kKeyEvent, *key});
    }
}

// The key of shape with the modifiers of parameter index.
std::optional<KeyEventRecord> ShapeKey(const KeyShape& shape, std::uint32_t extraState,
                                       const ControlSequence& sequence, std::size_t index) {
    if (shape.virtualKey == 0) {
        return std::nullopt;
    }
    const std::optional<Modifiers> modifiers = ReadModifiers(sequence, index);
    if (!modifiers) {
        return std::nullopt;
    }
    return WithModifiers(KeyDown(shape, extraState), *modifiers);
}

void ReportQueryReply(const ControlSequence& sequence, DecoderSink& sink) {
    if (sequence.final == 'u') {
        sink.KittyFlagsReported(sequence.Value(0, 0, 0));
    } else if (sequence.final == 'c') {
        sink.DeviceAttributesReported();
    }
}

}  // namespace

void ReportCsi(const ControlSequence& sequence, bool kittyTerminal, DecoderSink& sink) {
    if (sequence.malformed) {
        return;
    }
    if (sequence.intermediate == '$' && sequence.marker == '?' && sequence.final == 'y') {
        sink.ModeReported(sequence.Value(0, 0, 0), sequence.Value(1, 0, 0));
        return;
    }
    if (sequence.intermediate != 0) {
        return;
    }
    if (sequence.marker == '?') {
        ReportQueryReply(sequence, sink);
        return;
    }
    if (sequence.marker != 0) {
        return;
    }
    if (sequence.final == 'R' && sequence.count == 2 &&
        sink.CursorPositionReported(sequence.Value(0, 0, 1), sequence.Value(1, 0, 1))) {
        return;
    }
    switch (sequence.final) {
        case 'u':
            Emit(KittyKey(sequence), sink);
            return;
        case '_':
            Emit(Win32InputKey(sequence), sink);
            return;
        case 'Z':
            Emit(ShapeKey(kTabKey, kShiftBit, sequence, 1), sink);
            return;
        case '~': {
            const std::uint32_t number = sequence.Value(0, 0, 0);
            const KeyShape shape = TildeKey(number);
            if (number == kModifiedOtherKey) {
                Emit(ModifiedOtherKey(sequence), sink);
            } else if (shape.virtualKey != 0) {
                Emit(ShapeKey(shape, 0, sequence, 1), sink);
            } else {
                Emit(RxvtCsiKey(sequence), sink);
            }
            return;
        }
        case '^':
        case '$':
        case '@':
        case 'a':
        case 'b':
        case 'c':
        case 'd':
            Emit(RxvtCsiKey(sequence), sink);
            return;
        default:
            if (const auto key = StCsiKey(sequence, kittyTerminal)) {
                Emit(key, sink);
            } else if (sequence.Value(0, 0, 1) == 1) {
                // The first parameter of these forms is 1 when modifiers
                // follow; any other number is a report such as a cursor
                // position.
                Emit(ShapeKey(CsiFinalKey(sequence.final), 0, sequence, 1), sink);
            }
            return;
    }
}

void ReportSs3(const ControlSequence& sequence, DecoderSink& sink) {
    if (sequence.malformed || sequence.intermediate != 0 || sequence.marker != 0) {
        return;
    }
    if (const auto key = RxvtSs3Key(sequence)) {
        Emit(key, sink);
        return;
    }
    const std::size_t modifierIndex = sequence.count >= 2 ? 1 : 0;
    Emit(ShapeKey(Ss3Key(sequence.final), 0, sequence, modifierIndex), sink);
}

void ReportLinuxConsoleKey(std::uint8_t letter, DecoderSink& sink) {
    Emit(ShapeKey(LinuxConsoleKey(letter), 0, ControlSequence{}, 1), sink);
}

}  // namespace conkit::host::decoding
