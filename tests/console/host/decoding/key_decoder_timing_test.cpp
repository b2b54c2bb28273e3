// The Escape timeout, driven with synthetic times: nothing here sleeps.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "console/host/decoding/key_decoder.hpp"
#include "tests/console/host/decoding/recording_sink.hpp"

namespace conkit::host::decoding {
namespace {

using std::chrono::milliseconds;
using testing::RecordingSink;

const KeyEventRecord kEscapeDown{1, 1, 0x1B, 0x01, 0x1B, 0};
const KeyEventRecord kUpDown{1, 1, 0x26, 0x48, 0, kEnhancedKey};
const KeyEventRecord kLetterX{1, 1, 'X', 0x2D, 'x', 0};

class EscapeTimeout : public ::testing::Test {
  protected:
    void Feed(const std::string& bytes, int at) {
        decoder.Feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                     milliseconds{at}, sink);
    }
    void Expire(int at) { decoder.Expire(milliseconds{at}, sink); }

    KeyDecoder decoder;
    RecordingSink sink;
};

TEST_F(EscapeTimeout, NothingWaitsAtFirst) {
    EXPECT_FALSE(decoder.Deadline().has_value());
    Expire(1000);
    EXPECT_TRUE(sink.records.empty());
}

TEST_F(EscapeTimeout, LoneEscapeWaitsForTheDeadline) {
    Feed("\033", 1000);
    EXPECT_TRUE(sink.records.empty());
    EXPECT_EQ(decoder.Deadline(), milliseconds{1025});
    Expire(1024);
    EXPECT_TRUE(sink.records.empty());
    Expire(1025);
    EXPECT_EQ(sink.Keys(), std::vector<KeyEventRecord>{kEscapeDown});
    EXPECT_FALSE(decoder.Deadline().has_value());
    Expire(2000);
    EXPECT_EQ(sink.records.size(), 1U);
}

TEST_F(EscapeTimeout, CompleteKeysLeaveNothingWaiting) {
    Feed("x\033[A", 0);
    EXPECT_EQ(sink.Keys(), (std::vector<KeyEventRecord>{kLetterX, kUpDown}));
    EXPECT_FALSE(decoder.Deadline().has_value());
}

TEST_F(EscapeTimeout, SlowLinkArrowIsNeverEscape) {
    Feed("\033", 0);
    Expire(20);
    Feed("[", 20);
    Expire(44);
    EXPECT_EQ(decoder.Deadline(), milliseconds{45});
    Feed("A", 44);
    Expire(100);
    EXPECT_EQ(sink.Keys(), std::vector<KeyEventRecord>{kUpDown});
}

TEST_F(EscapeTimeout, ABytePastTheTimeoutFollowsEscapeEvenWithoutExpire) {
    Feed("\033", 0);
    Feed("x", 30);
    EXPECT_EQ(sink.Keys(), (std::vector<KeyEventRecord>{kEscapeDown, kLetterX}));
}

TEST_F(EscapeTimeout, AByteWithinTheTimeoutMakesAlt) {
    Feed("\033", 0);
    Feed("x", 24);
    EXPECT_EQ(sink.Keys(), (std::vector<KeyEventRecord>{{1, 1, 'X', 0x2D, 'x', kLeftAltPressed}}));
}

TEST_F(EscapeTimeout, EmptyFeedKeepsTheDeadline) {
    Feed("\033", 0);
    Feed("", 10);
    EXPECT_EQ(decoder.Deadline(), milliseconds{25});
    Feed("", 25);
    EXPECT_EQ(sink.Keys(), std::vector<KeyEventRecord>{kEscapeDown});
}

TEST_F(EscapeTimeout, EscapeEscapeGivesTwoEscapes) {
    // Until the timeout a sequence may follow, which would make one Alt key.
    Feed("\033\033", 0);
    EXPECT_TRUE(sink.records.empty());
    Expire(25);
    EXPECT_EQ(sink.Keys(), (std::vector<KeyEventRecord>{kEscapeDown, kEscapeDown}));
    // Escape, then a sequence cut off: the Escape key stays.
    Feed("\033\033[1;", 100);
    Expire(125);
    EXPECT_EQ(sink.Keys(), (std::vector<KeyEventRecord>{kEscapeDown, kEscapeDown, kEscapeDown}));
}

TEST_F(EscapeTimeout, CutOffSequenceGivesNothing) {
    for (const char* cutOff : {"\033[", "\033[1;5", "\033O", "\033[[", "\xe2\x96", "\033\xc3"}) {
        Feed(cutOff, 0);
        EXPECT_TRUE(decoder.Deadline().has_value()) << cutOff;
        Expire(25);
        EXPECT_FALSE(decoder.Deadline().has_value()) << cutOff;
        Feed("x", 100);
        EXPECT_EQ(sink.Keys(), std::vector<KeyEventRecord>{kLetterX}) << cutOff;
        sink.records.clear();
    }
}

TEST_F(EscapeTimeout, TimeGoingBackwardsExpiresNothing) {
    Feed("\033", 100);
    Expire(50);
    EXPECT_TRUE(sink.records.empty());
    EXPECT_EQ(decoder.Deadline(), milliseconds{125});
}

}  // namespace
}  // namespace conkit::host::decoding
