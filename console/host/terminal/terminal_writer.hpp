// The bytes bound for the output descriptor, collected and handed over in
// as few write(2) calls as possible. Where the terminal has synchronized
// output, a frame (what is collected from the first cursor motion to the
// flush) goes between its marks, so that the terminal never shows half of
// it:
//   CSI ? 2026 h / l   begin / end synchronized update
//
// Nothing collected is lost to a signal that ends the process. While a
// write(2) is under way a handler cannot know how much of it the kernel
// took, so the session's handlers leave the signal to the writer
// (WriteUnderWay), which acts on it through the after-write hook as soon as
// the call returns and the pending bytes are counted again.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace conkit::host::terminal {

// What was handed to the descriptor so far: write(2) calls (a retry after a
// short write or EINTR is a further call) and bytes.
struct OutputStats {
    std::uint64_t writeCalls = 0;
    std::uint64_t bytes = 0;
};

class TerminalWriter {
  public:
    // Takes its storage once (address space until it is used); more than
    // capacity bytes between two flushes are written in several pieces.
    TerminalWriter(int fd, std::size_t capacity);

    void Append(char byte);
    void Append(const char* bytes, std::size_t count);
    // Appends the first count (at most four) of the four bytes at four: a
    // cell's glyph, copied whole where there is room.
    void AppendGlyph(const char* four, std::size_t count) {
        if (capacity_ - size_ < 4) {
            Append(four, count);
            return;
        }
        std::memcpy(buffer_.get() + size_, four, 4);
        std::atomic_signal_fence(std::memory_order_seq_cst);
        size_ = size_ + count;
    }
    // Appends n in decimal.
    void AppendDecimal(std::uint32_t n);

    // Writes everything collected, the frame's end mark first when a frame
    // began; gives up on an error other than EINTR, dropping the bytes.
    // Returns true when everything was written.
    bool Flush();

    // The terminal takes synchronized output: frames get their marks.
    void SetSynchronized(bool synchronized) { synchronized_ = synchronized; }
    // What follows moves the cursor about: the begin mark, once a flush.
    void BeginFrame();

    // Writes what is collected and not yet written, from a signal handler
    // or an exit hook that found no write under way. It only moves the
    // start of what is pending, so an Append it interrupted stays whole.
    void FlushFromHandler();

    // Forgets what is collected and not yet written, a frame's begin mark
    // with it.
    void DropPending() {
        begin_ = size_;
        inFrame_ = false;
    }

    const OutputStats& Stats() const { return stats_; }

  private:
    int fd_;
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;
    // Bytes [begin_, size_) are collected and not yet written.
    volatile std::size_t begin_ = 0;
    volatile std::size_t size_ = 0;
    OutputStats stats_;
    bool synchronized_ = false;
    bool inFrame_ = false;
};

// True while a writer's write(2) is under way.
bool WriteUnderWay();

// Called after every write(2) of a writer, outside the under-way window;
// nullptr for none. The session uses it to act on a deferred signal.
void SetAfterWrite(void (*hook)());

// Writes all of bytes to fd, going on after EINTR and short writes; stops at
// any other error. Returns true when every byte was written; calls, when
// given, counts the write(2) calls made. For bytes held nowhere else (a
// handler's own sequences, stderr).
bool WriteAll(int fd, const char* bytes, std::size_t count, std::uint64_t* calls = nullptr);

}  // namespace conkit::host::terminal
