#include "conkit/dumps/memory_dump.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <numeric>
#include <string>

#include "tests/support/dumps/dump_console.hpp"

namespace conkit {
namespace {

using testing::AddressHex;

class MemoryDumpTest : public testing::DumpConsoleTest {
  protected:
    static std::string Header(const void* address) {
        return "\r\nDump of offset " + AddressHex(reinterpret_cast<std::uintptr_t>(address)) +
               "\r\n-------------------------------\r\n";
    }
};

// Bytes 0x00, 0x01, ... so every byte's digits name its place.
template <std::size_t N>
std::array<std::uint8_t, N> CountingBytes() {
    std::array<std::uint8_t, N> bytes{};
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes;
}

constexpr const char* kSixteenBytesLine = "00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \r\n";

TEST_F(MemoryDumpTest, SixteenBytesFillOneLineAndCloseWithAnEmptyLine) {
    const auto bytes = CountingBytes<16>();
    DumpMemoryBlock(bytes.data(), 16, 1);
    EXPECT_EQ(Written(), Header(bytes.data()) + kSixteenBytesLine + "\r\n");
}

TEST_F(MemoryDumpTest, SeventeenthByteStartsASecondLine) {
    const auto bytes = CountingBytes<17>();
    DumpMemoryBlock(bytes.data(), 17, 1);
    EXPECT_EQ(Written(), Header(bytes.data()) + kSixteenBytesLine + "10 \r\n");
}

TEST_F(MemoryDumpTest, LongBlockNamesOnlyItsFirstAddress) {
    const auto bytes = CountingBytes<40>();
    DumpMemoryBlock(bytes.data(), 40, 1);
    EXPECT_EQ(Written(), Header(bytes.data()) + kSixteenBytesLine +
                             "10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F \r\n"
                             "20 21 22 23 24 25 26 27 \r\n");
}

class ByteFormTest : public MemoryDumpTest, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(ByteFormTest, EveryOtherUnitSizeGivesSingleBytes) {
    const auto bytes = CountingBytes<18>();
    DumpMemoryBlock(bytes.data(), 18, GetParam());
    EXPECT_EQ(Written(), Header(bytes.data()) + kSixteenBytesLine + "10 11 \r\n");
}

INSTANTIATE_TEST_SUITE_P(UnitSizes, ByteFormTest, ::testing::Values(0U, 1U, 3U, 8U, 0xFFFFFFFFU));

TEST_F(MemoryDumpTest, HalfWordsShowTheirHighByteFirst) {
    const std::array<std::uint8_t, 6> bytes = {0x34, 0x12, 0xCD, 0xAB, 0x00, 0xFF};
    DumpMemoryBlock(bytes.data(), 3, 2);
    EXPECT_EQ(Written(), Header(bytes.data()) + "1234 ABCD FF00 \r\n");
}

TEST_F(MemoryDumpTest, WordsShowTheirMostSignificantDigitFirst) {
    const std::array<std::uint8_t, 8> bytes = {0x78, 0x56, 0x34, 0x12, 0x0A, 0x00, 0x00, 0x00};
    DumpMemoryBlock(bytes.data(), 2, 4);
    EXPECT_EQ(Written(), Header(bytes.data()) + "12345678  0000000A  \r\n");
}

TEST_F(MemoryDumpTest, WordsNeedNoAlignment) {
    const std::array<std::uint8_t, 5> bytes = {0xEE, 0x78, 0x56, 0x34, 0x12};
    DumpMemoryBlock(bytes.data() + 1, 1, 4);
    EXPECT_EQ(Written(), Header(bytes.data() + 1) + "12345678  \r\n");
}

TEST_F(MemoryDumpTest, MultiByteUnitsBreakNoLines) {
    const auto bytes = CountingBytes<64>();
    DumpMemoryBlock(bytes.data(), 32, 2);
    std::string units;
    for (std::size_t i = 0; i < 64; i += 2) {
        char unit[8];
        std::snprintf(unit, sizeof unit, "%02X%02X ", bytes[i + 1], bytes[i]);
        units += unit;
    }
    EXPECT_EQ(Written(), Header(bytes.data()) + units + "\r\n");
}

TEST_F(MemoryDumpTest, CountZeroWritesTheHeaderAloneAndReadsNothing) {
    // Nothing is mapped at this address: a read would fault.
    const auto* unmapped = reinterpret_cast<const void*>(std::uintptr_t{0x1234});
    for (const std::uint32_t unitSize : {1U, 2U, 4U}) {
        console().ClearTrace();
        DumpMemoryBlock(unmapped, 0, unitSize);
        EXPECT_EQ(Written(), Header(unmapped) + "\r\n");
    }
}

TEST_F(MemoryDumpTest, HeaderPadsTheAddressWithLeadingZeros) {
    DumpMemoryBlock(reinterpret_cast<const void*>(std::uintptr_t{0xBEEF}), 0, 1);
    const std::string zeros(2 * sizeof(std::uintptr_t) - 4, '0');
    EXPECT_EQ(Written(),
              "\r\nDump of offset " + zeros + "BEEF\r\n-------------------------------\r\n\r\n");
}

}  // namespace
}  // namespace conkit
