#include "svg_picture.hpp"

#include <gtest/gtest.h>

#include <string>

#include "console/host/screen_buffer.hpp"

namespace conkit::pictures {
namespace {

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

struct PaletteCase {
    std::uint8_t index;
    const char* colour;
};

class PaletteTest : public ::testing::TestWithParam<PaletteCase> {};

TEST_P(PaletteTest, ConsoleIndexOrderIsBlueGreenRedIntensity) {
    EXPECT_STREQ(PaletteColour(GetParam().index), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(Indexes, PaletteTest,
                         ::testing::Values(PaletteCase{0, "#000000"}, PaletteCase{1, "#000080"},
                                           PaletteCase{4, "#800000"}, PaletteCase{6, "#808000"},
                                           PaletteCase{7, "#C0C0C0"}, PaletteCase{8, "#808080"},
                                           PaletteCase{9, "#0000FF"}, PaletteCase{14, "#FFFF00"},
                                           PaletteCase{15, "#FFFFFF"}));

TEST(RenderSvgTest, SizeFollowsTheRegion) {
    const host::ScreenBuffer screen(80, 25);
    const std::string svg = RenderSvg(screen, {0, 0, 61, 21}, "frame");
    EXPECT_NE(svg.find("width=\"610\" height=\"420\" viewBox=\"0 0 610 420\""), std::string::npos);
    EXPECT_NE(svg.find("<title>frame</title>"), std::string::npos);
}

TEST(RenderSvgTest, RegionBeyondTheBufferIsClipped) {
    const host::ScreenBuffer screen(10, 5);
    const std::string svg = RenderSvg(screen, {8, 3, 20, 20}, "corner");
    EXPECT_NE(svg.find("width=\"20\" height=\"40\""), std::string::npos);
    EXPECT_EQ(Count(svg, "<rect"), 2U);
}

TEST(RenderSvgTest, OneRectanglePerRunOfABackgroundColour) {
    host::ScreenBuffer screen(6, 1);
    const std::uint16_t attributes[] = {0x11, 0x11, 0xEE, 0xEE, 0xEE, 0x11};
    screen.PutAttributes(attributes, 6, {0, 0});
    const std::string svg = RenderSvg(screen, {0, 0, 6, 1}, "runs");
    EXPECT_EQ(Count(svg, "<rect"), 3U);
    EXPECT_NE(svg.find("<rect x=\"0\" y=\"0\" width=\"20\" height=\"20\" fill=\"#000080\"/>"),
              std::string::npos);
    EXPECT_NE(svg.find("<rect x=\"20\" y=\"0\" width=\"30\" height=\"20\" fill=\"#FFFF00\"/>"),
              std::string::npos);
    EXPECT_NE(svg.find("<rect x=\"50\" y=\"0\" width=\"10\" height=\"20\" fill=\"#000080\"/>"),
              std::string::npos);
}

TEST(RenderSvgTest, BitsAboveTheColoursDoNotChangeThem) {
    host::ScreenBuffer screen(1, 1);
    const std::uint16_t attribute = 0x11E;
    screen.PutAttributes(&attribute, 1, {0, 0});
    EXPECT_NE(RenderSvg(screen, {0, 0, 1, 1}, "").find("fill=\"#000080\""), std::string::npos);
}

TEST(RenderSvgTest, CharactersSitInTheirCellsInTheirForegroundColour) {
    host::ScreenBuffer screen(8, 2);
    screen.SetAttribute(0x0F);
    screen.SetCursor({1, 1});
    screen.Write("ab", 2);
    screen.SetAttribute(0x0C);
    screen.Write(" c", 2);
    const std::string svg = RenderSvg(screen, {0, 0, 8, 2}, "text");
    EXPECT_EQ(Count(svg, "<text"), 3U);
    EXPECT_NE(svg.find("<text x=\"10\" y=\"35\" fill=\"#FFFFFF\">a</text>"), std::string::npos);
    EXPECT_NE(svg.find("<text x=\"20\" y=\"35\" fill=\"#FFFFFF\">b</text>"), std::string::npos);
    EXPECT_NE(svg.find("<text x=\"40\" y=\"35\" fill=\"#FF0000\">c</text>"), std::string::npos);
}

TEST(RenderSvgTest, MarkupCharactersAreEscaped) {
    host::ScreenBuffer screen(4, 1);
    screen.Write("<&>", 3);
    const std::string svg = RenderSvg(screen, {0, 0, 4, 1}, "a<b&c");
    EXPECT_NE(svg.find(">&lt;</text>"), std::string::npos);
    EXPECT_NE(svg.find(">&amp;</text>"), std::string::npos);
    EXPECT_NE(svg.find(">&gt;</text>"), std::string::npos);
    EXPECT_NE(svg.find("<title>a&lt;b&amp;c</title>"), std::string::npos);
}

TEST(RenderSvgTest, CodePage437GlyphsBecomeCharacterReferences) {
    host::ScreenBuffer screen(3, 1);
    const char frame[] = {'\xC9', '\xCD', '\x01'};
    screen.PutCharacters(frame, 3, {0, 0});
    const std::string svg = RenderSvg(screen, {0, 0, 3, 1}, "");
    EXPECT_NE(svg.find(">&#x2554;</text>"), std::string::npos);
    EXPECT_NE(svg.find(">&#x2550;</text>"), std::string::npos);
    EXPECT_NE(svg.find(">&#x263A;</text>"), std::string::npos);
}

TEST(RenderSvgTest, ZeroBytesPaintOnlyTheBackground) {
    host::ScreenBuffer screen(2, 1);
    const char zeros[] = {'\0', '\0'};
    screen.PutCharacters(zeros, 2, {0, 0});
    EXPECT_EQ(Count(RenderSvg(screen, {0, 0, 2, 1}, ""), "<text"), 0U);
}

}  // namespace
}  // namespace conkit::pictures
