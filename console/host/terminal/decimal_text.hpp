// A number's decimal digits, as the terminal's control sequences carry
// their parameters. Built in place with no allocation and no locale, so a
// signal handler may use it too.
#pragma once

#include <cstddef>
#include <cstdint>

namespace conkit::host::terminal {

class DecimalText {
  public:
    explicit DecimalText(std::uint32_t n) {
        do {
            digits_[--begin_] = static_cast<char>('0' + n % 10);
            n /= 10;
        } while (n != 0);
    }

    // The digits, zero-terminated.
    const char* Data() const { return digits_ + begin_; }
    std::size_t Length() const { return kLast - begin_; }

  private:
    // Ten digits hold any 32-bit number; the terminator follows them.
    static constexpr std::size_t kLast = 10;
    char digits_[kLast + 1] = {};
    std::size_t begin_ = kLast;
};

}  // namespace conkit::host::terminal
