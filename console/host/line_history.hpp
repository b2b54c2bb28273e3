// The lines entered earlier in the process, newest last, for the line
// editor's Up and Down keys. A fixed number of lines in fixed storage: once
// it is full, each new line pushes out the oldest.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace conkit::host {

class LineHistory {
  public:
    static constexpr std::uint32_t kLines = 16;
    // The longest line kept; longer ones are kept cut to this length.
    static constexpr std::uint32_t kLineLength = 510;

    std::uint32_t Count() const { return count_; }

    // Keeps line as the newest entry. An empty line, or one equal to the
    // newest entry, is not kept.
    void Add(std::string_view line);

    // Entry index counted from the oldest (0) to the newest (Count() - 1);
    // an index outside that range gives an empty line.
    std::string_view Entry(std::uint32_t index) const;

  private:
    std::array<std::array<char, kLineLength>, kLines> lines_{};
    std::array<std::uint32_t, kLines> lengths_{};
    std::uint32_t oldest_ = 0;
    std::uint32_t count_ = 0;
};

}  // namespace conkit::host
