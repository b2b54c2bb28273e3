#include "console/host/decoding/code_page_437.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "console/host/decoding/utf8_reader.hpp"

namespace conkit::host::decoding {
namespace {

struct GlyphCase {
    std::uint8_t byte;
    char32_t code;
};

class Cp437Glyphs : public ::testing::TestWithParam<GlyphCase> {};

TEST_P(Cp437Glyphs, ByteShowsAsCharacter) {
    EXPECT_EQ(Cp437ToUnicode(GetParam().byte), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Samples, Cp437Glyphs,
                         ::testing::Values(GlyphCase{0x00, U' '}, GlyphCase{0x01, U'\u263A'},
                                           GlyphCase{0x03, U'\u2665'}, GlyphCase{0x0A, U'\u25D9'},
                                           GlyphCase{0x1B, U'\u2190'}, GlyphCase{0x1F, U'\u25BC'},
                                           GlyphCase{0x20, U' '}, GlyphCase{0x41, U'A'},
                                           GlyphCase{0x7E, U'~'}, GlyphCase{0x7F, U'\u2302'},
                                           GlyphCase{0x80, U'\u00C7'}, GlyphCase{0x9E, U'\u20A7'},
                                           GlyphCase{0xB0, U'\u2591'}, GlyphCase{0xC9, U'\u2554'},
                                           GlyphCase{0xDB, U'\u2588'}, GlyphCase{0xE1, U'\u00DF'},
                                           GlyphCase{0xF9, U'\u2219'}, GlyphCase{0xFE, U'\u25A0'},
                                           GlyphCase{0xFF, U'\u00A0'}));

TEST(Cp437, AsciiMapsToItselfBothWays) {
    for (char32_t code = 0x20; code < 0x7F; ++code) {
        EXPECT_EQ(Cp437ToUnicode(static_cast<std::uint8_t>(code)), code);
    }
    for (char32_t code = 0; code < 0x80; ++code) {
        EXPECT_EQ(UnicodeToCp437(code), code);
    }
}

TEST(Cp437, UpperHalfRoundTripsAndIsDistinct) {
    std::set<char32_t> seen;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const char32_t code = Cp437ToUnicode(static_cast<std::uint8_t>(byte));
        EXPECT_GE(code, 0xA0U) << byte;
        EXPECT_EQ(UnicodeToCp437(code), byte);
        seen.insert(code);
    }
    EXPECT_EQ(seen.size(), 128U);
}

TEST(Cp437, CharactersWithoutAByteGiveZero) {
    for (const char32_t code :
         {U'\u20AC', U'\u0100', U'\u263A', U'\u2302', U'\uFFFD', char32_t{0x80}, char32_t{0x9F},
          char32_t{0x10FFFF}, char32_t{0x110000}}) {
        EXPECT_EQ(UnicodeToCp437(code), 0) << static_cast<std::uint32_t>(code);
    }
}

struct EncodingCase {
    char32_t code;
    std::string bytes;
};

class Utf8Encoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(Utf8Encoding, WritesTheBytes) {
    char out[4] = {};
    const std::uint32_t length = EncodeUtf8(GetParam().code, out);
    EXPECT_EQ(std::string(out, length), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, Utf8Encoding,
    ::testing::Values(EncodingCase{U'A', "A"}, EncodingCase{0x7F, "\x7f"},
                      EncodingCase{0x80, "\xc2\x80"}, EncodingCase{0xE9, "\xc3\xa9"},
                      EncodingCase{0x7FF, "\xdf\xbf"}, EncodingCase{0x800, "\xe0\xa0\x80"},
                      EncodingCase{0x2591, "\xe2\x96\x91"}, EncodingCase{0xFFFF, "\xef\xbf\xbf"},
                      EncodingCase{0x10000, "\xf0\x90\x80\x80"},
                      EncodingCase{0x10FFFF, "\xf4\x8f\xbf\xbf"},
                      EncodingCase{0xD800, "\xef\xbf\xbd"},
                      EncodingCase{0x110000, "\xef\xbf\xbd"}));

TEST(Utf8Encoding, EveryCellReadsBackAsItsCharacter) {
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const char32_t code = Cp437ToUnicode(static_cast<std::uint8_t>(byte));
        char out[4] = {};
        const std::uint32_t length = EncodeUtf8(code, out);
        const Utf8Read read = ReadUtf8(reinterpret_cast<const std::uint8_t*>(out), length);
        EXPECT_EQ(read.status, Utf8Status::complete) << byte;
        EXPECT_EQ(read.length, length) << byte;
        EXPECT_EQ(read.code, code) << byte;
    }
}

}  // namespace
}  // namespace conkit::host::decoding
