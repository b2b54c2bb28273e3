// Reads and writes that the system interrupts or completes only in part,
// through pipes: a handle is a descriptor, so a pipe's ends serve as handles.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <string>
#include <thread>
#include <vector>

#include "conkit/files/file_access.hpp"

namespace conkit {
namespace {

std::atomic<int> alarms{0};

void CountAlarm(int) {
    alarms.fetch_add(1);
}

// While alive, SIGALRM arrives every millisecond and interrupts a blocked
// read or write instead of restarting it.
class AlarmTicker {
  public:
    AlarmTicker() {
        alarms = 0;
        struct sigaction action {};
        action.sa_handler = CountAlarm;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        sigaction(SIGALRM, &action, &previous_);
        const itimerval every{{0, 1000}, {0, 1000}};
        setitimer(ITIMER_REAL, &every, nullptr);
    }
    ~AlarmTicker() {
        const itimerval stop{};
        setitimer(ITIMER_REAL, &stop, nullptr);
        sigaction(SIGALRM, &previous_, nullptr);
    }
    AlarmTicker(const AlarmTicker&) = delete;
    AlarmTicker& operator=(const AlarmTicker&) = delete;

  private:
    struct sigaction previous_ {};
};

// Starts a thread with SIGALRM blocked, so the alarms interrupt the test's
// own thread.
template <typename Work>
std::thread HelperThread(Work work) {
    sigset_t alarm;
    sigemptyset(&alarm);
    sigaddset(&alarm, SIGALRM);
    pthread_sigmask(SIG_BLOCK, &alarm, nullptr);
    std::thread helper(work);
    pthread_sigmask(SIG_UNBLOCK, &alarm, nullptr);
    return helper;
}

void WaitForAlarms(int count) {
    while (alarms.load() < count) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

class PipeTest : public ::testing::Test {
  protected:
    PipeTest() { EXPECT_EQ(pipe(ends_), 0); }
    ~PipeTest() override {
        for (const int end : ends_) {
            if (end != -1) {
                close(end);
            }
        }
    }
    FileHandle ReadEnd() const { return static_cast<FileHandle>(ends_[0]); }
    FileHandle WriteEnd() const { return static_cast<FileHandle>(ends_[1]); }
    void CloseReadEnd() {
        close(ends_[0]);
        ends_[0] = -1;
    }
    void CloseWriteEnd() {
        close(ends_[1]);
        ends_[1] = -1;
    }

  private:
    int ends_[2] = {-1, -1};
};

std::vector<char> Pattern(std::size_t size) {
    std::vector<char> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>(i * 7 % 251);
    }
    return bytes;
}

TEST_F(PipeTest, LargeWriteGoesOnAcrossInterruptionsAndPartialWrites) {
    // Far more than a pipe holds: the write blocks on a full pipe, and each
    // alarm ends that write early, taken in part or not at all.
    const std::vector<char> sent = Pattern(4 << 20);
    std::vector<char> received;
    std::thread reader = HelperThread([&] {
        WaitForAlarms(5);
        std::vector<char> chunk(4096);
        ssize_t got = 0;
        while ((got = read(static_cast<int>(ReadEnd()), chunk.data(), chunk.size())) > 0) {
            received.insert(received.end(), chunk.begin(), chunk.begin() + got);
        }
    });
    std::uint32_t written = 0;
    {
        AlarmTicker ticker;
        written = WriteFileBytes(WriteEnd(), sent.data(), static_cast<std::uint32_t>(sent.size()));
    }
    CloseWriteEnd();
    reader.join();
    EXPECT_EQ(written, sent.size());
    EXPECT_EQ(received, sent);
    EXPECT_GE(alarms.load(), 5);
}

TEST_F(PipeTest, ReadBlockedWhenAnAlarmComesIsResumed) {
    std::thread writer = HelperThread([&] {
        WaitForAlarms(5);
        EXPECT_EQ(write(static_cast<int>(WriteEnd()), "late", 4), 4);
    });
    char buffer[8] = {};
    FileReadResult result{};
    {
        AlarmTicker ticker;
        result = ReadFileBytes(ReadEnd(), buffer, sizeof buffer);
    }
    writer.join();
    EXPECT_TRUE(result.succeeded);
    EXPECT_EQ(result.value, 4U);
    EXPECT_EQ(std::string(buffer, 4), "late");
}

TEST_F(PipeTest, WriteStoppedByAnErrorCountsOnlyWhatGotThrough) {
    // Non-blocking and never drained: the pipe takes what fits, then refuses.
    const int end = static_cast<int>(WriteEnd());
    fcntl(end, F_SETFL, fcntl(end, F_GETFL) | O_NONBLOCK);
    const std::vector<char> sent = Pattern(1 << 20);
    const std::uint32_t written =
        WriteFileBytes(WriteEnd(), sent.data(), static_cast<std::uint32_t>(sent.size()));
    EXPECT_GT(written, 0U);
    EXPECT_LT(written, sent.size());

    CloseWriteEnd();
    std::vector<char> received(sent.size());
    std::size_t total = 0;
    FileReadResult result{};
    do {
        result = ReadFileBytes(ReadEnd(), received.data() + total, 65536);
        total += result.succeeded ? result.value : 0;
    } while (result.succeeded && result.value > 0);
    EXPECT_EQ(total, written);
    EXPECT_TRUE(std::equal(sent.begin(), sent.begin() + static_cast<std::ptrdiff_t>(written),
                           received.begin()));
}

TEST_F(PipeTest, WriteToAPipeWithNoReaderReturnsZero) {
    struct sigaction ignore {};
    struct sigaction previous {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &previous);
    CloseReadEnd();
    EXPECT_EQ(WriteFileBytes(WriteEnd(), "x", 1), 0U);
    sigaction(SIGPIPE, &previous, nullptr);
}

}  // namespace
}  // namespace conkit
