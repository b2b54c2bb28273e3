#include "console/host/stream_keys.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/console/host/arriving_bytes.hpp"

namespace conkit::host {
namespace {

using std::chrono::milliseconds;
using testing::ArrivingBytes;

// The virtual-key codes of the keys queued now, the queue left empty.
std::vector<std::uint32_t> TakeKeys(StreamKeys& keys) {
    std::vector<std::uint32_t> virtualKeys;
    InputRecord record;
    while (keys.Queue().Read(&record, 1) == 1) {
        virtualKeys.push_back(record.key.virtualKey);
    }
    return virtualKeys;
}

TEST(StreamKeysTest, KeysComeAsTypedADiscardDropsWhatHasArrivedAndTheEndLeavesNoKeyBehind) {
    ArrivingBytes bytes;
    StreamKeys keys(bytes);
    bytes.Arrive("bg\x1b[Ac");
    keys.Pump(milliseconds{0});
    EXPECT_EQ(TakeKeys(keys), (std::vector<std::uint32_t>{'B', 'G', 0x26, 'C'}));

    // A discard throws away the queue and what has arrived, not what comes
    // after it.
    bytes.Arrive("ff");
    keys.Discard(milliseconds{1});
    EXPECT_TRUE(keys.Queue().Empty());
    bytes.Arrive("r");
    keys.Pump(milliseconds{2});
    EXPECT_EQ(TakeKeys(keys), (std::vector<std::uint32_t>{'R'}));

    // An ESC waits for the rest of a sequence until the input ends; then it
    // is the Escape key at once, and only then is the input exhausted.
    bytes.Arrive("\r\x1b");
    keys.Pump(milliseconds{3});
    EXPECT_EQ(TakeKeys(keys), (std::vector<std::uint32_t>{0x0D}));
    bytes.EndAfterwards();
    keys.Pump(milliseconds{4});
    EXPECT_FALSE(keys.Exhausted());
    EXPECT_EQ(TakeKeys(keys), (std::vector<std::uint32_t>{0x1B}));
    keys.Pump(milliseconds{5});
    EXPECT_TRUE(keys.Exhausted());
}

}  // namespace
}  // namespace conkit::host
