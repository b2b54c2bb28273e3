// Runs a documentation example on a memory console, so its test needs no
// terminal: linked into the example, it installs a memory console of 25 rows
// and 80 columns (or CONKIT_EXAMPLE_COLUMNS) before main, types what
// CONKIT_EXAMPLE_TYPED and CONKIT_EXAMPLE_KEYS name, and when the program
// ends prints the screen's rows to standard output (trailing blanks and the
// empty rows at the bottom left out) for the test to compare with the screen
// the example's comment shows.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <conkit/testing.hpp>

namespace {

// The keys named in an environment variable: characters as they are,
// <Enter> and <Esc> for those two.
std::string KeysIn(const char* variable) {
    const char* given = std::getenv(variable);
    std::string keys = given != nullptr ? given : "";
    for (const auto& [name, character] : {std::pair{"<Enter>", '\r'}, std::pair{"<Esc>", '\x1B'}}) {
        for (std::size_t at = keys.find(name); at != std::string::npos; at = keys.find(name)) {
            keys.replace(at, std::string_view(name).size(), 1, character);
        }
    }
    return keys;
}

std::uint16_t Columns() {
    const char* given = std::getenv("CONKIT_EXAMPLE_COLUMNS");
    const long columns = given != nullptr ? std::strtol(given, nullptr, 10) : 0;
    return columns > 0 && columns <= 500 ? static_cast<std::uint16_t>(columns) : 80;
}

class MemoryScreen {
  public:
    MemoryScreen() : console_(Columns(), 25) {
        // Lines are typed ahead: a line read takes what is queued.
        console_.TypeText(KeysIn("CONKIT_EXAMPLE_TYPED").c_str());
        // A key reader takes one key and throws away what else is queued, so
        // these keys arrive one at a time, 50 ms of the virtual clock apart.
        std::uint64_t atMs = 0;
        for (const char character : KeysIn("CONKIT_EXAMPLE_KEYS")) {
            console_.ScheduleKey(atMs, conkit::MakeCharacterPress(character));
            atMs += 50;
        }
    }

    MemoryScreen(const MemoryScreen&) = delete;
    MemoryScreen& operator=(const MemoryScreen&) = delete;

    ~MemoryScreen() {
        std::uint16_t rows = console_.Rows();
        while (rows > 0 && Row(static_cast<std::uint16_t>(rows - 1)).empty()) {
            --rows;
        }
        for (std::uint16_t row = 0; row < rows; ++row) {
            std::printf("%s\n", Row(row).c_str());
        }
    }

  private:
    std::string Row(std::uint16_t row) const {
        std::string text = console_.RowText(row, 0, console_.Columns());
        text.erase(text.find_last_not_of(' ') + 1);
        return text;
    }

    conkit::MemoryConsole console_;
};

MemoryScreen memoryScreen;

}  // namespace
