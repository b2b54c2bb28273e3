// Files on POSIX. A handle is the file descriptor. Share mode 0 is an
// exclusive flock taken at open and dropped at close: it binds every open
// through these calls, in this process (each open is a new open file
// description) and in others. A file locked elsewhere is refused with EBUSY,
// the nearest errno to "in use by another process".
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "support/system/platform_services.hpp"
#include "support/system/posix/pipe_signal.hpp"

namespace conkit::os {
namespace {

// Returns the descriptor a handle stands for, or -1 for a handle that can be
// no descriptor (the invalid handle among them).
int DescriptorOf(FileHandle file) {
    return file <= static_cast<FileHandle>(INT_MAX) ? static_cast<int>(file) : -1;
}

int OpenFlags(std::uint32_t access, std::uint32_t disposition) {
    int flags = 0;
    if (access == kGenericRead) {
        flags = O_RDONLY;
    } else if (access == kGenericWrite) {
        flags = O_WRONLY;
    } else if (access == (kGenericRead | kGenericWrite)) {
        flags = O_RDWR;
    } else {
        return -1;
    }
    if (disposition == kCreateAlways) {
        // Emptied only once the lock is held, so an open file keeps its data.
        flags |= O_CREAT;
    } else if (disposition != kOpenExisting) {
        return -1;
    }
    // Non-blocking only for the open itself: a FIFO without a peer must
    // not hang the caller.
    return flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
}

// Makes the freshly opened descriptor usable as a file of these calls;
// returns the errno that rules it out, or 0.
int PrepareDescriptor(int fd, std::uint32_t disposition) {
    struct stat status {};
    if (fstat(fd, &status) != 0) {
        return errno;
    }
    if (S_ISDIR(status.st_mode)) {
        return EISDIR;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        return errno == EWOULDBLOCK ? EBUSY : errno;
    }
    const int flags = fcntl(fd, F_GETFL);
    if (flags == -1 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return errno;
    }
    if (disposition == kCreateAlways && S_ISREG(status.st_mode) && ftruncate(fd, 0) != 0) {
        return errno;
    }
    return 0;
}

// The system may take part of a write (a signal, a full pipe); goes on
// until all of it is taken or an error stops it, counting what was.
bool WriteAll(int fd, const unsigned char* bytes, std::uint32_t count, std::uint32_t* written) {
    while (*written < count) {
        const ssize_t put = ::write(fd, bytes + *written, count - *written);
        if (put > 0) {
            *written += static_cast<std::uint32_t>(put);
        } else if (put == 0) {
            errno = EIO;
            return false;
        } else if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

}  // namespace

FileHandle PlatformServices::CreateFileA(const char* name, std::uint32_t access,
                                         std::uint32_t shareMode, std::uint32_t disposition,
                                         std::uint32_t /*attributes*/) {
    const int flags = OpenFlags(access, disposition);
    if (name == nullptr || shareMode != 0 || flags == -1) {
        errno = EINVAL;
        return kInvalidFileHandle;
    }
    int fd = -1;
    do {
        fd = open(name, flags, 0666);
    } while (fd == -1 && errno == EINTR);
    if (fd == -1) {
        return kInvalidFileHandle;
    }
    const int failure = PrepareDescriptor(fd, disposition);
    if (failure != 0) {
        close(fd);
        errno = failure;
        return kInvalidFileHandle;
    }
    return static_cast<FileHandle>(fd);
}

bool PlatformServices::ReadFile(FileHandle file, void* buffer, std::uint32_t count,
                                std::uint32_t* read) {
    *read = 0;
    const int fd = DescriptorOf(file);
    if (fd == -1) {
        errno = EBADF;
        return false;
    }
    ssize_t got = -1;
    do {
        got = ::read(fd, buffer, count);
    } while (got == -1 && errno == EINTR);
    if (got == -1) {
        return false;
    }
    *read = static_cast<std::uint32_t>(got);
    return true;
}

bool PlatformServices::WriteFile(FileHandle file, const void* buffer, std::uint32_t count,
                                 std::uint32_t* written) {
    *written = 0;
    const int fd = DescriptorOf(file);
    if (fd == -1) {
        errno = EBADF;
        return false;
    }
    PipeSignalHold hold(fd);
    const bool complete = WriteAll(fd, static_cast<const unsigned char*>(buffer), count, written);
    const int failure = errno;
    hold.Release(!complete && failure == EPIPE);
    errno = failure;
    return complete;
}

bool PlatformServices::CloseHandle(FileHandle file) {
    const int fd = DescriptorOf(file);
    if (fd == -1) {
        errno = EBADF;
        return false;
    }
    // Linux releases the descriptor even when close is interrupted; retrying
    // could close a descriptor another open has since been given.
    return close(fd) == 0 || errno == EINTR;
}

}  // namespace conkit::os
