// The bytes bound for the terminal. Everything one console call shows is
// gathered here and handed to the descriptor with one write(2), so the
// terminal never shows half of a change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace conkit::host::terminal {

// What was handed to the descriptor so far: write(2) calls (a retry after a
// short write or EINTR is a further call) and bytes.
struct OutputStats {
    std::uint64_t writeCalls = 0;
    std::uint64_t bytes = 0;
};

class TerminalWriter {
  public:
    // Takes its storage once; a change larger than capacity is written in
    // several pieces.
    TerminalWriter(int fd, std::size_t capacity);

    void Append(char byte);
    void Append(const char* bytes, std::size_t count);
    // Appends n in decimal.
    void AppendDecimal(std::uint32_t n);

    // Writes everything gathered; gives up on an error other than EINTR,
    // dropping the bytes. Returns true when everything was written.
    bool Flush();

    const OutputStats& Stats() const { return stats_; }

  private:
    int fd_;
    std::vector<char> buffer_;
    std::size_t size_ = 0;
    OutputStats stats_;
};

// Writes all of bytes to fd, going on after EINTR and short writes; stops at
// any other error. Returns true when every byte was written; calls, when
// given, counts the write(2) calls made.
bool WriteAll(int fd, const char* bytes, std::size_t count, std::uint64_t* calls = nullptr);

}  // namespace conkit::host::terminal
