#include "console/host/terminal/glyph_table.hpp"

#include <string_view>

#include "console/host/decoding/code_page_437.hpp"

namespace conkit::host::terminal {
namespace {

// What a terminal without UTF-8 shows for the code page's pictures: the
// control positions 0x00-0x1F, then 0x80-0xFF, as the nearest ASCII
// character (frames as + - = |, blocks and shades as #, accented letters
// as their base letter).
constexpr std::string_view kControlLookalikes = " oo****.#o#*****><|!PS-|^v><L-^v";
constexpr std::string_view kUpperLookalikes =
    "CueaaaaceeeiiiAAEaAooouuyOUcLYPfaiounNao?--24!<>"
    "###|++++++|+++++++++-++++++++=+++++++++++++#####"
    "aBGpSsutFTOd8fen=+><()/~o..Vn2# ";
static_assert(kControlLookalikes.size() == 32 && kUpperLookalikes.size() == 128);

char Lookalike(std::uint32_t byte) {
    if (byte < 0x20) {
        return kControlLookalikes[byte];
    }
    if (byte >= 0x80) {
        return kUpperLookalikes[byte - 0x80];
    }
    return byte == 0x7F ? '^' : static_cast<char>(byte);
}

}  // namespace

GlyphTable::GlyphTable(bool utf8) {
    for (std::uint32_t byte = 0; byte < glyphs_.size(); ++byte) {
        Glyph& glyph = glyphs_[byte];
        if (byte == 0) {
            glyph.bytes[0] = ' ';
            glyph.length = 1;
        } else if (utf8) {
            glyph.length = static_cast<std::uint8_t>(decoding::EncodeUtf8(
                decoding::Cp437ToUnicode(static_cast<std::uint8_t>(byte)), glyph.bytes.data()));
        } else {
            glyph.bytes[0] = Lookalike(byte);
            glyph.length = 1;
        }
    }
}

}  // namespace conkit::host::terminal
