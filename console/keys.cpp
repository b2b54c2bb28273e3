#include "conkit/keys.hpp"

#include "conkit/host/console_host.hpp"
#include "conkit/output.hpp"
#include "console/console_state.hpp"
#include "console/key_code.hpp"
#include "console/key_wait.hpp"

namespace conkit {

// clang-format off
const std::uint8_t ExtendedKeyTable[kExtendedKeyRows * 4 + 1] = {
    0x25, 0x4B, 0x73, 0x4B,  // Left arrow
    0x27, 0x4D, 0x74, 0x4D,  // Right arrow
    0x26, 0x48, 0x8D, 0x48,  // Up arrow
    0x28, 0x50, 0x91, 0x50,  // Down arrow
    0x21, 0x49, 0x84, 0x49,  // Page Up
    0x22, 0x51, 0x76, 0x51,  // Page Down
    0x24, 0x47, 0x77, 0x47,  // Home
    0x23, 0x4F, 0x75, 0x4F,  // End
    0x2D, 0x52, 0x92, 0x52,  // Insert
    0x2E, 0x53, 0x93, 0x53,  // Delete
    0x6B, 0x4E, 0x90, 0x4E,  // keypad +
    0x6D, 0x4A, 0x8E, 0x4A,  // keypad -
    0x7A, 0x85, 0x85, 0x85,  // F11
    0x7B, 0x86, 0x86, 0x86,  // F12
    0xBD, 0x0C, 0x0C, 0x82,  // minus key
    0xBB, 0x0D, 0x0D, 0x83,  // equals key
    0x00,
};
// clang-format on

namespace {

host::InputRecord lastKeyEvent{};

constexpr std::uint32_t kAltHeld = kRightAltPressed | kLeftAltPressed;
constexpr std::uint32_t kCtrlHeld = kRightCtrlPressed | kLeftCtrlPressed;
constexpr std::uint32_t kModifiers = kAltHeld | kCtrlHeld | kShiftPressed;

bool IsModifierOrLock(std::uint32_t virtualKey) {
    switch (virtualKey) {
        case 0x10:  // Shift
        case 0x11:  // Ctrl
        case 0x12:  // Alt
        case 0x14:  // Caps Lock
        case 0x90:  // Num Lock
        case 0x91:  // Scroll Lock
            return true;
        default:
            return false;
    }
}

}  // namespace

TranslatedKey TranslateExtendedKey(std::uint8_t scan, std::uint8_t character,
                                   std::uint32_t virtualKey, std::uint32_t controlState) {
    const bool ctrl = (controlState & kCtrlHeld) != 0;
    const bool alt = (controlState & kAltHeld) != 0;
    const bool shift = (controlState & kShiftPressed) != 0;
    const auto virtualByte = static_cast<std::uint8_t>(virtualKey & 0xFFU);

    for (const std::uint8_t* row = ExtendedKeyTable; row[0] != 0; row += 4) {
        if (row[0] != virtualByte) {
            continue;
        }
        if (ctrl) {
            return {row[2], 0};
        }
        if (alt) {
            return {row[3], 0};
        }
        return {row[1], character};
    }
    if ((controlState & kModifiers) == 0) {
        return {scan, character};
    }
    if (virtualKey >= 0x70 && virtualKey <= 0x79) {
        const std::uint8_t step = ctrl ? 0x23 : alt ? 0x2D : shift ? 0x19 : 0;
        return {static_cast<std::uint8_t>(scan + step), character};
    }
    if (character >= '0' && character <= '9') {
        if (alt) {
            return {static_cast<std::uint8_t>(scan + 0x76), 0};
        }
        return {scan, character};
    }
    if (virtualKey == 0x09 && shift) {
        return {scan, 0};
    }
    return {scan, character};
}

std::uint32_t KeyCodeOf(const host::KeyEventRecord& key) {
    const TranslatedKey translated =
        TranslateExtendedKey(static_cast<std::uint8_t>(key.virtualScan & 0xFFU), key.character,
                             key.virtualKey, key.controlState);
    return std::uint32_t{translated.scan} * 256U + translated.character;
}

void DiscardPendingInput() {
    EnsureConsoleReady();
    host::CurrentHost().FlushConsoleInputBuffer(inputHandle);
}

PolledKey PollKey() {
    EnsureConsoleReady();
    host::ConsoleHost& console = host::CurrentHost();
    std::uint32_t savedMode = 0;
    console.GetConsoleMode(inputHandle, &savedMode);
    console.SetConsoleMode(inputHandle, 0);

    PolledKey result{false, 0, 0, 0};
    bool queueRanDry = false;
    for (;;) {
        std::uint32_t count = 0;
        console.PeekConsoleInputA(inputHandle, &lastKeyEvent, 1, &count);
        if ((count & 0xFFFFU) == 0) {
            queueRanDry = true;
            break;
        }
        count = 0;
        console.ReadConsoleInputA(inputHandle, &lastKeyEvent, 1, &count);
        if ((count & 0xFFFFU) == 0) {
            queueRanDry = true;
            break;
        }
        if (lastKeyEvent.eventType != host::kKeyEvent || (lastKeyEvent.key.keyDown & 1U) == 0) {
            continue;
        }
        const host::KeyEventRecord& key = lastKeyEvent.key;
        if (IsModifierOrLock(key.virtualKey)) {
            continue;
        }
        result.keyCode = KeyCodeOf(key);
        result.virtualKey = key.virtualKey;
        result.controlState = key.controlState;
        result.available = key.virtualKey != 0;
        break;
    }

    console.SetConsoleMode(inputHandle, savedMode);
    // Once the queue has run dry there is no backlog to throw away: a flush
    // then could only lose a key that arrived after the last look, which a
    // console that queues keys as they come (Windows) does.
    if (!queueRanDry) {
        DiscardPendingInput();
    }
    return result;
}

PolledKey AwaitKeyPress() {
    // The first pause is always taken in full: every call lasts 10 ms at
    // least. After it a host that can wait on its input wakes when a key
    // comes; the others poll every 10 ms.
    PauseMs(10);
    for (;;) {
        const PolledKey key = PollKey();
        if (key.available) {
            return key;
        }
        host::CurrentHost().AwaitInput(inputHandle, 10);
    }
}

std::uint32_t WaitKey() {
    return AwaitKeyPress().keyCode;
}

}  // namespace conkit
