// The bounds come from /proc/self/maps, read in pieces into a static buffer
// with plain system calls: no allocation, and the same answer for the main
// thread and for threads with stacks of their own. Each line starts
// "low-high perms ..." in hexadecimal.
#include "support/dumps/stack_bounds.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace conkit {

namespace {

char mapsChunk[4096];

class MapsLineReader {
  public:
    explicit MapsLineReader(std::uintptr_t address) : address_(address) {}

    // Takes the next character of the map; returns true once the mapping
    // that holds the address has been read.
    bool Take(char ch) {
        if (ch == '\n') {
            if (readable_ && low_ <= address_ && address_ < high_) {
                return true;
            }
            *this = MapsLineReader(address_);
            return false;
        }
        switch (field_) {
            case Field::low:
                if (ch == '-') {
                    field_ = Field::high;
                } else {
                    low_ = low_ * 16 + HexValue(ch);
                }
                break;
            case Field::high:
                if (ch == ' ') {
                    field_ = Field::permissions;
                } else {
                    high_ = high_ * 16 + HexValue(ch);
                }
                break;
            case Field::permissions:
                readable_ = ch == 'r';
                field_ = Field::rest;
                break;
            case Field::rest:
                break;
        }
        return false;
    }

    StackBounds Bounds() const { return {low_, high_, true}; }

  private:
    enum class Field : std::uint8_t { low, high, permissions, rest };

    static std::uintptr_t HexValue(char ch) {
        if (ch >= '0' && ch <= '9') {
            return static_cast<std::uintptr_t>(ch - '0');
        }
        return static_cast<std::uintptr_t>((ch | 0x20) - 'a' + 10);
    }

    std::uintptr_t address_;
    std::uintptr_t low_ = 0;
    std::uintptr_t high_ = 0;
    bool readable_ = false;
    Field field_ = Field::low;
};

StackBounds SearchMaps(int maps, std::uintptr_t address) {
    MapsLineReader reader(address);
    for (;;) {
        const ssize_t count = ::read(maps, mapsChunk, sizeof mapsChunk);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return {0, 0, false};
        }
        for (ssize_t i = 0; i < count; ++i) {
            if (reader.Take(mapsChunk[i])) {
                return reader.Bounds();
            }
        }
    }
}

}  // namespace

StackBounds FindStackBounds(std::uintptr_t address) {
    const int savedErrno = errno;
    StackBounds bounds{0, 0, false};
    const int maps = ::open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
    if (maps >= 0) {
        bounds = SearchMaps(maps, address);
        ::close(maps);
    }
    errno = savedErrno;
    return bounds;
}

}  // namespace conkit
