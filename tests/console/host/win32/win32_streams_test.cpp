// The Windows host on a handle that is no console (here a pipe, as for a
// redirected program): text goes out as bytes, collected until the program
// waits, and lines come in from bytes.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/host/win32/native_handle.hpp"
#include "console/host/win32/win32_host.hpp"

namespace conkit::host::win32 {
namespace {

TEST(Win32StreamsTest, TextToAPipeGoesAsBytesAndLinesFromOneAreRead) {
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    ASSERT_NE(::CreatePipe(&readEnd, &writeEnd, nullptr, 0), FALSE);
    Win32Host host;
    std::uint32_t written = 0;
    EXPECT_TRUE(host.WriteConsoleA(SeamHandle(writeEnd), "one\ntwo\r\nthree", 14, &written));
    EXPECT_EQ(written, 14U);
    // Collected, as on POSIX, until the program waits.
    DWORD waiting = 1;
    EXPECT_NE(::PeekNamedPipe(readEnd, nullptr, 0, nullptr, &waiting, nullptr), FALSE);
    EXPECT_EQ(waiting, 0U);
    host.Sleep(0);
    ::CloseHandle(writeEnd);
    std::vector<std::string> reads;
    char buffer[16];
    std::uint32_t read = 0;
    while (reads.size() < 5 && host.ReadConsoleA(SeamHandle(readEnd), buffer, 16, &read) &&
           read > 0) {
        reads.emplace_back(buffer, read);
    }
    EXPECT_EQ(reads, (std::vector<std::string>{"one\r\n", "two\r\n", "three\r\n"}));
    ::CloseHandle(readEnd);
}

}  // namespace
}  // namespace conkit::host::win32
