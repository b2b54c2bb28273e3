#include "console/host/pipe_line_reader.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace conkit::host::terminal {
namespace {

class TextStream final : public ByteStream {
  public:
    explicit TextStream(std::string text) : text_(std::move(text)) {}
    int NextByte() override {
        return next_ < text_.size() ? static_cast<unsigned char>(text_[next_++]) : -1;
    }

  private:
    std::string text_;
    std::size_t next_ = 0;
};

// Every read of the stream with the given count, until one gives nothing.
std::vector<std::string> ReadAll(const std::string& input, std::uint32_t count) {
    TextStream stream(input);
    PipeLineReader reader;
    std::vector<std::string> reads;
    for (int guard = 0; guard < 100; ++guard) {
        std::string buffer(count, '\0');
        const std::uint32_t n = reader.Read(stream, buffer.data(), count);
        if (n == 0) {
            break;
        }
        reads.push_back(buffer.substr(0, n));
    }
    return reads;
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
}  // namespace conkit::host::terminal
