#include "conkit/clock/random_numbers.hpp"

#include <gtest/gtest.h>

#include "conkit/clock/clock_time.hpp"
#include "tests/testing/fake_system.hpp"

namespace conkit {
namespace {

// Universal and local times whose milliseconds differ, so a test sees which
// one seeded the generator.
class SeedClock : public testing::FakeSystem {
  public:
    void GetLocalTime(SystemTime* time) override { *time = {2024, 1, 1, 1, 12, 0, 0, 500}; }
    void GetSystemTime(SystemTime* time) override {
        *time = {2024, 1, 1, 1, 9, 0, 0, milliseconds};
    }
    std::uint16_t milliseconds = 0;
};

class RandomNumbersTest : public ::testing::Test {
  protected:
    RandomNumbersTest() { randomState = 1; }

    SeedClock clock;
    testing::ScopedSystem scope{clock};
};

TEST_F(RandomNumbersTest, UnseededSequenceStartsWithTheKnownValues) {
    EXPECT_EQ(GenerateRandom(), 0xC00029E2U);
    EXPECT_EQ(randomState, 0x0029E2C0U);
    EXPECT_EQ(GenerateRandom(), 0x83C823F6U);
    EXPECT_EQ(GenerateRandom(), 0x3A18BE87U);
}

TEST_F(RandomNumbersTest, UnseededBelowTenGivesFourTwoSeven) {
    EXPECT_EQ(RandomBelow(10), 4U);
    EXPECT_EQ(RandomBelow(10), 2U);
    EXPECT_EQ(RandomBelow(10), 7U);
}

TEST_F(RandomNumbersTest, BelowOneIsAlwaysZeroAndStillSteps) {
    EXPECT_EQ(RandomBelow(1), 0U);
    EXPECT_EQ(randomState, 0x0029E2C0U);
    EXPECT_EQ(RandomBelow(1), 0U);
    EXPECT_EQ(GenerateRandom(), 0x3A18BE87U);
}

TEST_F(RandomNumbersTest, BelowZeroGivesTheValueUnchanged) {
    EXPECT_EQ(RandomBelow(0), 0xC00029E2U);
    EXPECT_EQ(RandomBelow(0), 0x83C823F6U);
}

TEST_F(RandomNumbersTest, SeedingAtZeroMillisecondsOfUniversalTime) {
    SeedRandomFromClock();
    EXPECT_EQ(randomState, 0U);
    EXPECT_EQ(clockSnapshot.hour, 9);
    EXPECT_EQ(GenerateRandom(), 0xC300269EU);
}

TEST_F(RandomNumbersTest, SeedIsTheMillisecondsField) {
    clock.milliseconds = 999;
    GenerateRandom();
    SeedRandomFromClock();
    EXPECT_EQ(randomState, 999U);
}

TEST_F(RandomNumbersTest, SeedingsInTheSameMillisecondGiveTheSameSequence) {
    clock.milliseconds = 417;
    SeedRandomFromClock();
    const std::uint32_t first[3] = {GenerateRandom(), GenerateRandom(), GenerateRandom()};
    SeedRandomFromClock();
    const std::uint32_t second[3] = {GenerateRandom(), GenerateRandom(), GenerateRandom()};
    EXPECT_EQ(first[0], second[0]);
    EXPECT_EQ(first[1], second[1]);
    EXPECT_EQ(first[2], second[2]);
    clock.milliseconds = 418;
    SeedRandomFromClock();
    EXPECT_NE(GenerateRandom(), first[0]);
}

}  // namespace
}  // namespace conkit
