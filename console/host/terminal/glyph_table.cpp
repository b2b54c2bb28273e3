#include "console/host/terminal/glyph_table.hpp"

#include "console/host/decoding/code_page_437.hpp"

namespace conkit::host::terminal {

GlyphTable::GlyphTable(bool utf8) {
    for (std::uint32_t byte = 0; byte < glyphs_.size(); ++byte) {
        Glyph& glyph = glyphs_[byte];
        if (byte == 0) {
            glyph.bytes[0] = ' ';
            glyph.length = 1;
        } else if (utf8) {
            glyph.length = static_cast<std::uint8_t>(
                EncodeUtf8(Cp437ToUnicode(static_cast<std::uint8_t>(byte)), glyph.bytes.data()));
        } else {
            const bool printable = byte >= 0x20 && byte < 0x7F;
            glyph.bytes[0] = printable ? static_cast<char>(byte) : '?';
            glyph.length = 1;
        }
    }
}

}  // namespace conkit::host::terminal
