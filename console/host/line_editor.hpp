// The console's own line editing for line-mode reads, fed one key event at a
// time so that every host (and a fuzzer) can drive it without a console.
// Echo goes through an EchoTarget; the finished line, with CR LF appended,
// is handed out in pieces as large as the reader asks for.
#pragma once

#include <array>
#include <cstdint>

#include "console/host/console_types.hpp"

namespace conkit::host {

// Where the editor writes its echo: the console output, with its processing
// of BS, CR and LF.
class EchoTarget {
  public:
    virtual void Echo(const char* chars, std::uint32_t count) = 0;

  protected:
    ~EchoTarget() = default;
};

class LineEditor {
  public:
    // The longest line the editor keeps, CR LF included; typing beyond it is
    // refused.
    static constexpr std::uint32_t kCapacity = 512;

    // Applies one input event. Returns true when it ended the line (Enter);
    // the line then waits to be delivered and further keys are not taken
    // until it has been delivered whole.
    bool Feed(const InputRecord& record, EchoTarget* echo);

    // True while a finished line still has characters to hand out.
    bool HasDelivery() const { return deliverFrom_ < deliverEnd_; }

    // Copies up to count characters of the finished line; the rest waits
    // for the next call. Returns the number copied.
    std::uint32_t Deliver(char* buffer, std::uint32_t count);

  private:
    void Insert(std::uint8_t character, EchoTarget* echo);
    void Backspace(EchoTarget* echo);
    void Finish(EchoTarget* echo);

    std::array<char, kCapacity> line_{};
    std::uint32_t length_ = 0;
    std::uint32_t deliverFrom_ = 0;
    std::uint32_t deliverEnd_ = 0;
};

}  // namespace conkit::host
