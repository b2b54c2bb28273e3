#include "console/host/pipe_line_reader.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/console/host/arriving_bytes.hpp"

namespace conkit::host {
namespace {

// Every read with the given count, until one gives nothing: first with the
// whole input there at once, then with its bytes arriving one at a time
// and a look that finds nothing before each. Both must give the same reads.
std::vector<std::string> ReadAll(const std::string& input, std::uint32_t count) {
    std::vector<std::string> reads[2];
    for (const bool trickle : {false, true}) {
        testing::ArrivingBytes bytes;
        for (std::size_t i = 0; i < input.size(); i += trickle ? 1 : input.size()) {
            if (trickle) {
                bytes.Arrive("");
            }
            bytes.Arrive(input.substr(i, trickle ? 1 : input.size()));
        }
        bytes.EndAfterwards();
        PipeLineReader reader;
        for (int guard = 0; guard < 100; ++guard) {
            std::string buffer(count, '\0');
            std::uint32_t done = 0;
            int looks = 0;
            while (!reader.Read(bytes, buffer.data(), count, done) && ++looks < 100) {
            }
            if (done == 0) {
                break;
            }
            reads[trickle].push_back(buffer.substr(0, done));
        }
    }
    EXPECT_EQ(reads[0], reads[1]) << "the bytes arriving one at a time";
    return reads[0];
}

using Reads = std::vector<std::string>;

TEST(PipeLineReaderTest, LineFeedAndCarriageReturnLineFeedEndingsBothGiveCarriageReturnLineFeed) {
    EXPECT_EQ(ReadAll("one\ntwo\r\n\nthree\n", 80),
              (Reads{"one\r\n", "two\r\n", "\r\n", "three\r\n"}));
}

TEST(PipeLineReaderTest, ALastLineWithoutItsEndingStillEndsWithCarriageReturnLineFeed) {
    EXPECT_EQ(ReadAll("last", 80), (Reads{"last\r\n"}));
    EXPECT_EQ(ReadAll("abc\r", 80), (Reads{"abc\r\n"}));
    EXPECT_EQ(ReadAll("\r", 1), (Reads{"\r", "\n"}));
}

TEST(PipeLineReaderTest, ALoneCarriageReturnIsText) {
    EXPECT_EQ(ReadAll("a\rb\r\rc\n", 80), (Reads{"a\rb\r\rc\r\n"}));
}

TEST(PipeLineReaderTest, SmallReadsHandTheLineOutInPieces) {
    EXPECT_EQ(ReadAll("abcde\r\nf\n", 2), (Reads{"ab", "cd", "e\r", "\n", "f\r", "\n"}));
    EXPECT_EQ(ReadAll("ab\r\n", 1), (Reads{"a", "b", "\r", "\n"}));
}

TEST(PipeLineReaderTest, EmptyInputGivesNothing) {
    EXPECT_TRUE(ReadAll("", 80).empty());
}

}  // namespace
}  // namespace conkit::host
