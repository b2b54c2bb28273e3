// Runs a documentation example on a memory console, so its test needs no
// terminal: linked into the example, it installs a memory console of 25 rows
// and 80 columns (or CONKIT_EXAMPLE_COLUMNS) before main, types what
// CONKIT_EXAMPLE_TYPED and CONKIT_EXAMPLE_KEYS name, and when the program
// ends prints the screen's rows to standard output (trailing blanks and the
// empty rows at the bottom left out) for the test to compare with the screen
// the example's comment shows.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <conkit/testing.hpp>

namespace {

using conkit::host::KeyEventRecord;

// Set-1 scan codes of the letters a to z and the digits 1 to 9, 0.
constexpr std::string_view kLetterScan =
    "\x1E\x30\x2E\x20\x12\x21\x22\x23\x17\x24\x25\x26\x32\x31\x18\x19\x10\x13\x1F\x14\x16\x2F"
    "\x11\x2D\x15\x2C";
constexpr std::string_view kDigitScan = "\x0B\x02\x03\x04\x05\x06\x07\x08\x09\x0A";

// A key as a US keyboard reports it: letters, digits, space, Enter and
// Escape carry their virtual-key and scan codes; other characters only
// their character.
KeyEventRecord KeyFor(char character) {
    KeyEventRecord key;
    key.character = static_cast<std::uint8_t>(character);
    const int c = static_cast<unsigned char>(character);
    if (std::isalpha(c) != 0) {
        const auto index = static_cast<std::size_t>(std::tolower(c) - 'a');
        key.virtualKey = static_cast<std::uint16_t>(std::toupper(c));
        key.virtualScan = static_cast<std::uint8_t>(kLetterScan[index]);
        key.controlState = std::isupper(c) != 0 ? conkit::host::kShiftPressed : 0;
    } else if (std::isdigit(c) != 0) {
        key.virtualKey = static_cast<std::uint16_t>(c);
        key.virtualScan = static_cast<std::uint8_t>(kDigitScan[static_cast<std::size_t>(c - '0')]);
    } else if (character == ' ') {
        key.virtualKey = 0x20;
        key.virtualScan = 0x39;
    } else if (character == '\r') {
        key.virtualKey = 0x0D;
        key.virtualScan = 0x1C;
    } else if (character == '\x1B') {
        key.virtualKey = 0x1B;
        key.virtualScan = 0x01;
    }
    return key;
}

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
        for (const char character : KeysIn("CONKIT_EXAMPLE_TYPED")) {
            console_.QueueKey(KeyFor(character));
        }
        // A key reader takes one key and throws away what else is queued, so
        // these keys arrive one at a time, 50 ms of the virtual clock apart.
        std::uint64_t atMs = 0;
        for (const char character : KeysIn("CONKIT_EXAMPLE_KEYS")) {
            console_.ScheduleKey(atMs, KeyFor(character));
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
