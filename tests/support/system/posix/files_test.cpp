#include "conkit/files/file_access.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "conkit/system/system_services.hpp"

namespace conkit {
namespace {

// Each test works in a fresh directory of its own.
class FileAccessTest : public ::testing::Test {
  protected:
    FileAccessTest() {
        std::string pattern = (std::filesystem::temp_directory_path() / "conkit-files-XXXXXX");
        directory_ = mkdtemp(pattern.data());
        path_ = (directory_ / "data.bin").string();
    }
    ~FileAccessTest() override { std::filesystem::remove_all(directory_); }

    const char* Path() const { return path_.c_str(); }

    void Put(const std::string& content) const {
        FILE* out = std::fopen(path_.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(content.data(), 1, content.size(), out);
        std::fclose(out);
    }

    std::string Content() const {
        std::string text;
        FILE* in = std::fopen(path_.c_str(), "rb");
        if (in == nullptr) {
            return text;
        }
        char buffer[256];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
            text.append(buffer, got);
        }
        std::fclose(in);
        return text;
    }

    static std::uint32_t LastError() { return os::CurrentSystem().GetLastError(); }

  private:
    std::filesystem::path directory_;
    std::string path_;
};

TEST_F(FileAccessTest, MissingFileCannotBeReadButCanBeCreatedEmpty) {
    EXPECT_EQ(OpenFileForReading(Path()), INVALID_HANDLE_VALUE);
    EXPECT_EQ(LastError(), static_cast<std::uint32_t>(ENOENT));

    const FileHandle file = OpenFileForWriting(Path());
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(ReleaseFileHandle(file));
    EXPECT_TRUE(std::filesystem::exists(Path()));
    EXPECT_EQ(std::filesystem::file_size(Path()), 0U);
}

TEST_F(FileAccessTest, CreatingAnExistingFileEmptiesIt) {
    Put("old content");
    const FileHandle file = OpenFileForWriting(Path());
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Content(), "");
    EXPECT_EQ(WriteFileBytes(file, "new", 3), 3U);
    EXPECT_TRUE(ReleaseFileHandle(file));
    EXPECT_EQ(Content(), "new");
}

TEST_F(FileAccessTest, WrittenBytesReadBackThenEndOfFileGivesZeroWithSuccess) {
    const FileHandle out = OpenFileForWriting(Path());
    EXPECT_EQ(WriteFileBytes(out, "abcdef", 6), 6U);
    EXPECT_EQ(WriteFileBytes(out, "", 0), 0U);
    ReleaseFileHandle(out);

    const FileHandle in = OpenFileForReading(Path());
    char buffer[16] = {};
    FileReadResult result = ReadFileBytes(in, buffer, 4);
    EXPECT_TRUE(result.succeeded);
    EXPECT_EQ(result.value, 4U);
    EXPECT_EQ(std::string(buffer, 4), "abcd");
    result = ReadFileBytes(in, buffer, sizeof buffer);
    EXPECT_EQ(result.value, 2U);
    EXPECT_EQ(std::string(buffer, 2), "ef");
    result = ReadFileBytes(in, buffer, sizeof buffer);
    EXPECT_TRUE(result.succeeded);
    EXPECT_EQ(result.value, 0U);
    ReleaseFileHandle(in);
}

TEST_F(FileAccessTest, InvalidHandleFailsWithTheLastErrorCode) {
    char buffer[4];
    const FileReadResult result = ReadFileBytes(INVALID_HANDLE_VALUE, buffer, sizeof buffer);
    EXPECT_FALSE(result.succeeded);
    EXPECT_EQ(result.value, static_cast<std::uint32_t>(EBADF));
    EXPECT_EQ(WriteFileBytes(INVALID_HANDLE_VALUE, "x", 1), 0U);
    EXPECT_FALSE(ReleaseFileHandle(INVALID_HANDLE_VALUE));
}

TEST_F(FileAccessTest, AClosedHandleCannotBeUsedOrClosedAgain) {
    const FileHandle file = OpenFileForWriting(Path());
    ASSERT_TRUE(ReleaseFileHandle(file));
    EXPECT_FALSE(ReleaseFileHandle(file));
    EXPECT_EQ(WriteFileBytes(file, "x", 1), 0U);
}

TEST_F(FileAccessTest, EachHandleWorksOnlyInItsOwnDirection) {
    Put("content");
    const FileHandle in = OpenFileForReading(Path());
    EXPECT_EQ(WriteFileBytes(in, "x", 1), 0U);
    ReleaseFileHandle(in);
    EXPECT_EQ(Content(), "content");

    const FileHandle out = OpenFileForWriting(Path());
    char buffer[4];
    const FileReadResult result = ReadFileBytes(out, buffer, sizeof buffer);
    EXPECT_FALSE(result.succeeded);
    EXPECT_EQ(result.value, static_cast<std::uint32_t>(EBADF));
    ReleaseFileHandle(out);
}

// Every pairing of a first and a second open: the second fails while the
// first is open, and a file open for reading is not emptied by a create.
struct OpenPair {
    bool firstWrites;
    bool secondWrites;
};

class SecondOpenTest : public FileAccessTest, public ::testing::WithParamInterface<OpenPair> {
  protected:
    FileHandle Open(bool writes) {
        return writes ? OpenFileForWriting(Path()) : OpenFileForReading(Path());
    }
};

TEST_P(SecondOpenTest, FailsWhileTheFirstIsOpenAndSucceedsAfterTheClose) {
    Put("kept");
    const FileHandle first = Open(GetParam().firstWrites);
    ASSERT_NE(first, INVALID_HANDLE_VALUE);
    if (GetParam().firstWrites) {
        WriteFileBytes(first, "kept", 4);
    }
    EXPECT_EQ(Open(GetParam().secondWrites), INVALID_HANDLE_VALUE);
    EXPECT_EQ(LastError(), static_cast<std::uint32_t>(EBUSY));
    EXPECT_EQ(Content(), "kept");

    ASSERT_TRUE(ReleaseFileHandle(first));
    const FileHandle second = Open(GetParam().secondWrites);
    EXPECT_NE(second, INVALID_HANDLE_VALUE);
    ReleaseFileHandle(second);
}

INSTANTIATE_TEST_SUITE_P(AllPairs, SecondOpenTest,
                         ::testing::Values(OpenPair{false, false}, OpenPair{false, true},
                                           OpenPair{true, false}, OpenPair{true, true}));

// Runs an open for reading in a child process; returns the errno it met, or
// 0 when the open succeeded.
int OpenInChild(const char* path) {
    const pid_t child = fork();
    if (child == 0) {
        const FileHandle file = OpenFileForReading(path);
        _exit(file == INVALID_HANDLE_VALUE ? static_cast<int>(os::CurrentSystem().GetLastError())
                                           : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(FileAccessTest, AnotherProcessCannotOpenTheFileUntilItIsClosed) {
    const FileHandle file = OpenFileForWriting(Path());
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(OpenInChild(Path()), EBUSY);
    ReleaseFileHandle(file);
    EXPECT_EQ(OpenInChild(Path()), 0);
}

TEST_F(FileAccessTest, DirectoriesAndFifosWithoutAPeerAreRefusedAtOnce) {
    const std::string directory = std::filesystem::path(Path()).parent_path().string();
    EXPECT_EQ(OpenFileForReading(directory.c_str()), INVALID_HANDLE_VALUE);
    EXPECT_EQ(LastError(), static_cast<std::uint32_t>(EISDIR));

    ASSERT_EQ(mkfifo(Path(), 0600), 0);
    EXPECT_EQ(OpenFileForWriting(Path()), INVALID_HANDLE_VALUE);
    EXPECT_EQ(LastError(), static_cast<std::uint32_t>(ENXIO));
}

TEST_F(FileAccessTest, WritingToAFifoWhoseReaderWentFailsWithBrokenPipeAndTheProcessLives) {
    ASSERT_EQ(mkfifo(Path(), 0600), 0);
    const int reader = open(Path(), O_RDONLY | O_NONBLOCK);
    const FileHandle file = OpenFileForWriting(Path());
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    close(reader);
    EXPECT_EQ(WriteFileBytes(file, "lost", 4), 0U);
    EXPECT_EQ(LastError(), static_cast<std::uint32_t>(EPIPE));
    struct sigaction disposition {};
    sigaction(SIGPIPE, nullptr, &disposition);
    EXPECT_EQ(disposition.sa_handler, SIG_DFL);
    sigset_t pending;
    sigpending(&pending);
    EXPECT_EQ(sigismember(&pending, SIGPIPE), 0);
    ReleaseFileHandle(file);
}

TEST_F(FileAccessTest, CreatedFileHonoursTheUmask) {
    const mode_t previous = umask(027);
    ReleaseFileHandle(OpenFileForWriting(Path()));
    umask(previous);
    EXPECT_EQ(std::filesystem::status(Path()).permissions(), std::filesystem::perms(0640));
}

TEST_F(FileAccessTest, DescriptorIsClosedOnExec) {
    const FileHandle file = OpenFileForWriting(Path());
    EXPECT_NE(fcntl(static_cast<int>(file), F_GETFD) & FD_CLOEXEC, 0);
    ReleaseFileHandle(file);
}

TEST_F(FileAccessTest, ServicesRefuseArgumentsTheyCannotHonour) {
    os::SystemServices& services = os::PlatformSystem();
    const struct {
        const char* name;
        std::uint32_t access;
        std::uint32_t shareMode;
        std::uint32_t disposition;
    } cases[] = {
        {nullptr, os::kGenericRead, 0, os::kOpenExisting},
        {Path(), 0, 0, os::kCreateAlways},
        {Path(), os::kGenericWrite, 1, os::kCreateAlways},
        {Path(), os::kGenericWrite, 0, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(services.CreateFileA(c.name, c.access, c.shareMode, c.disposition,
                                       os::kFileAttributeNormal),
                  kInvalidFileHandle);
        EXPECT_EQ(services.GetLastError(), static_cast<std::uint32_t>(EINVAL));
    }
    EXPECT_FALSE(std::filesystem::exists(Path()));
}

}  // namespace
}  // namespace conkit
