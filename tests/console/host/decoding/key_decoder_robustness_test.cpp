// Over-long, truncated and random input: the decoder keeps its bound, makes
// progress and never reports anything but key events.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "console/host/decoding/key_decoder.hpp"
#include "tests/console/host/decoding/recording_sink.hpp"

namespace conkit::host::decoding {
namespace {

using std::chrono::milliseconds;
using testing::RecordingSink;

const KeyEventRecord kLetterX{1, 1, 'X', 0x2D, 'x', 0};
const KeyEventRecord kEnter{1, 1, 0x0D, 0x1C, 0x0D, 0};
const KeyEventRecord kEscapeDown{1, 1, 0x1B, 0x01, 0x1B, 0};

std::vector<KeyEventRecord> Decode(const std::string& bytes) {
    KeyDecoder decoder;
    RecordingSink sink;
    decoder.Feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), milliseconds{0},
                 sink);
    return sink.Keys();
}

TEST(KeyDecoderBounds, OverLongSequenceIsSkippedToItsFinalByte) {
    EXPECT_EQ(Decode("\033[" + std::string(500, '1') + "Ax"),
              std::vector<KeyEventRecord>{kLetterX});
    EXPECT_EQ(Decode("\033[" + std::string(200, ';') + "1;5Ax"),
              std::vector<KeyEventRecord>{kLetterX});
}

TEST(KeyDecoderBounds, SequenceOfSixtyFourBytesIsTheLongestKept) {
    // ESC [, 58 zeros, "1;2" and the final byte: 64 bytes.
    EXPECT_EQ(Decode("\033[" + std::string(58, '0') + "1;2Ax"),
              (std::vector<KeyEventRecord>{{1, 1, 0x26, 0x48, 0, kShiftPressed | kEnhancedKey},
                                           kLetterX}));
    EXPECT_EQ(Decode("\033[" + std::string(59, '0') + "1;2Ax"),
              std::vector<KeyEventRecord>{kLetterX});
}

TEST(KeyDecoderBounds, ControlByteEndsTheSkipping) {
    EXPECT_EQ(Decode("\033[" + std::string(100, '2') + "\rx"),
              (std::vector<KeyEventRecord>{kEnter, kLetterX}));
}

TEST(KeyDecoderBounds, SkippingEndsAtTheTimeout) {
    KeyDecoder decoder;
    RecordingSink sink;
    const std::string longStart = "\033[" + std::string(100, '3');
    decoder.Feed(reinterpret_cast<const std::uint8_t*>(longStart.data()), longStart.size(),
                 milliseconds{0}, sink);
    EXPECT_EQ(decoder.Deadline(), milliseconds{25});
    decoder.Expire(milliseconds{25}, sink);
    EXPECT_FALSE(decoder.Deadline().has_value());
    const std::uint8_t digit = '3';
    decoder.Feed(&digit, 1, milliseconds{30}, sink);
    EXPECT_EQ(sink.Keys(), (std::vector<KeyEventRecord>{{1, 1, '3', 0x04, '3', 0}}));
}

TEST(KeyDecoderBounds, EveryPrefixOfEverySequenceIsSafe) {
    const std::vector<std::string> sequences = {
        "\033[1;5A", "\033[57441;2:3u",  "\033[65;30;97;1;0;1_", "\033O1;5P",
        "\033[[A",   "\xf0\x9f\x98\x80", "\033\xe2\x96\x91",     "\033[?62;22c",
    };
    for (const std::string& sequence : sequences) {
        for (std::size_t length = 1; length < sequence.size(); ++length) {
            KeyDecoder decoder;
            RecordingSink sink;
            decoder.Feed(reinterpret_cast<const std::uint8_t*>(sequence.data()), length,
                         milliseconds{0}, sink);
            EXPECT_TRUE(sink.records.empty()) << sequence << " cut at " << length;
            EXPECT_EQ(decoder.Deadline(), milliseconds{25});
            decoder.Expire(milliseconds{25}, sink);
            EXPECT_FALSE(decoder.Deadline().has_value());
            const std::uint8_t letter = 'x';
            decoder.Feed(&letter, 1, milliseconds{30}, sink);
            // A lone ESC is the Escape key; any longer cut-off prefix is
            // nothing.
            const bool loneEscape = sequence.compare(0, length, "\033") == 0;
            const std::vector<KeyEventRecord> expected =
                loneEscape ? std::vector<KeyEventRecord>{kEscapeDown, kLetterX}
                           : std::vector<KeyEventRecord>{kLetterX};
            EXPECT_EQ(sink.Keys(), expected) << sequence << " cut at " << length;
        }
    }
}

TEST(KeyDecoderBounds, RandomInputGivesOnlyKeyEventsAndSettles) {
    std::mt19937 random(20240601);
    // Bytes that make up sequences come often, so that long and nested
    // sequences occur.
    const std::string alphabet = "\033\033\033[[O;;:?0123456789~u_ABCDPq\r\x7f\xc3\xa9\xe2\xf0\x80";
    std::uniform_int_distribution<int> pickAlphabet(0, static_cast<int>(alphabet.size()) - 1);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<int> gap(0, 40);
    std::uniform_int_distribution<int> chunk(1, 16);
    KeyDecoder decoder;
    RecordingSink sink;
    milliseconds now{0};
    for (int round = 0; round < 20000; ++round) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(chunk(random)));
        for (std::uint8_t& byte : bytes) {
            byte = random() % 2 == 0 ? static_cast<std::uint8_t>(
                                           alphabet[static_cast<std::size_t>(pickAlphabet(random))])
                                     : static_cast<std::uint8_t>(anyByte(random));
        }
        now += milliseconds{gap(random)};
        decoder.Feed(bytes.data(), bytes.size(), now, sink);
        if (const auto deadline = decoder.Deadline()) {
            ASSERT_EQ(*deadline, now + KeyDecoder::kEscapeTimeout);
        }
    }
    decoder.Expire(now + KeyDecoder::kEscapeTimeout, sink);
    EXPECT_FALSE(decoder.Deadline().has_value());
    EXPECT_FALSE(sink.records.empty());
    for (const InputRecord& record : sink.records) {
        ASSERT_EQ(record.eventType, kKeyEvent);
        ASSERT_LE(record.key.keyDown, 1U);
    }
}

}  // namespace
}  // namespace conkit::host::decoding
