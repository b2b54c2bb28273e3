#include <conkit/conkit.hpp>

int main() {
    // Left arrow (virtual key 0x25, scan 0x4B, no character) with left Ctrl
    // (control state 0x0008) held.
    const conkit::TranslatedKey key = conkit::TranslateExtendedKey(0x4B, 0, 0x25, 0x0008);
    conkit::EmitHexByte(key.scan);
    conkit::EmitChar(' ');
    conkit::EmitHexByte(key.character);
}

// Screen:
//   73 00
