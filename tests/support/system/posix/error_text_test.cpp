// ReportLastError over the platform's own POSIX services.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "conkit/dumps/last_error.hpp"
#include "tests/support/dumps/dump_console.hpp"

namespace conkit {
namespace {

class PosixLastErrorTest : public testing::DumpConsoleTest {};

TEST_F(PosixLastErrorTest, LastErrorIsErrnoWithStrerrorsText) {
    errno = ENOENT;
    ReportLastError();
    EXPECT_EQ(Written(), std::string("Error 2: ") + std::strerror(ENOENT));
}

TEST_F(PosixLastErrorTest, CodeWithoutTextGetsTheNumberAlone) {
    errno = 9999;
    ReportLastError();
    EXPECT_EQ(Written(), "Error 9999: ");
}

}  // namespace
}  // namespace conkit
