#include "tests/testing/random_console_operations.hpp"

#include <sstream>
#include <vector>

namespace conkit::testing {
namespace {

std::uint32_t Size(const std::string& text) {
    return static_cast<std::uint32_t>(text.size());
}

// The bytes of a text as C escapes, for the report of a failing step.
std::string Escaped(const std::string& text) {
    std::ostringstream out;
    for (const char byte : text) {
        const auto value = static_cast<std::uint8_t>(byte);
        if (value >= 0x20 && value < 0x7F && byte != '\\') {
            out << byte;
        } else {
            out << "\\x" << std::hex << (value >> 4U) << (value & 0xFU) << std::dec;
        }
    }
    return out.str();
}

}  // namespace

int RandomConsoleOperations::Pick(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

std::string RandomConsoleOperations::Step(HostOutput reference, HostOutput tested) {
    const int kind = Pick(0, 99);
    std::ostringstream what;
    std::uint32_t done = 0;
    if (kind < 25) {
        const host::Coord at{static_cast<std::uint16_t>(Pick(0, buffer_.column + 4)),
                             static_cast<std::uint16_t>(Pick(0, buffer_.row + 4))};
        what << "cursor " << at.column << "," << at.row;
        reference.host.SetConsoleCursorPosition(reference.output, at);
        tested.host.SetConsoleCursorPosition(tested.output, at);
    } else if (kind < 40) {
        const auto attribute = Attribute();
        what << "attribute 0x" << std::hex << attribute;
        reference.host.SetConsoleTextAttribute(reference.output, attribute);
        tested.host.SetConsoleTextAttribute(tested.output, attribute);
    } else if (kind < 85) {
        const std::string text = Text();
        what << "write " << text.size() << " bytes \"" << Escaped(text) << '"';
        reference.host.WriteConsoleA(reference.output, text.data(), Size(text), &done);
        tested.host.WriteConsoleA(tested.output, text.data(), Size(text), &done);
    } else if (kind < 92) {
        const std::string text = Text();
        const host::Coord start = Start();
        what << "cells " << text.size() << " at " << start.column << "," << start.row << " \""
             << Escaped(text) << '"';
        reference.host.WriteConsoleOutputCharacterA(reference.output, text.data(), Size(text),
                                                    start, &done);
        tested.host.WriteConsoleOutputCharacterA(tested.output, text.data(), Size(text), start,
                                                 &done);
    } else {
        std::vector<std::uint16_t> attributes(static_cast<std::size_t>(Pick(0, 120)));
        for (auto& attribute : attributes) {
            attribute = Attribute();
        }
        const host::Coord start = Start();
        what << "attributes " << attributes.size() << " at " << start.column << "," << start.row;
        const auto count = static_cast<std::uint32_t>(attributes.size());
        reference.host.WriteConsoleOutputAttribute(reference.output, attributes.data(), count,
                                                   start, &done);
        tested.host.WriteConsoleOutputAttribute(tested.output, attributes.data(), count, start,
                                                &done);
    }
    return what.str();
}

// Every colour pair, with reverse video, underline and bits that do not show
// mixed in.
std::uint16_t RandomConsoleOperations::Attribute() {
    auto attribute = static_cast<std::uint16_t>(Pick(0, 0xFF));
    if (Pick(0, 3) == 0) {
        attribute = static_cast<std::uint16_t>(attribute | Pick(0, 0xFF) << 8);
    }
    return attribute;
}

host::Coord RandomConsoleOperations::Start() {
    return {static_cast<std::uint16_t>(Pick(0, buffer_.column)),
            static_cast<std::uint16_t>(Pick(0, buffer_.row))};
}

// Letters, spaces, CR, LF, BS, TAB, BEL, code page 437 bytes and the control
// positions, long enough at times to wrap and scroll.
std::string RandomConsoleOperations::Text() {
    const int length = Pick(0, 6) == 0 ? Pick(80, 400) : Pick(0, 40);
    std::string text;
    for (int i = 0; i < length; ++i) {
        const int kind = Pick(0, 99);
        char byte = 0;
        if (kind < 45) {
            byte = static_cast<char>(Pick(0x20, 0x7E));
        } else if (kind < 55) {
            byte = '\r';
        } else if (kind < 63) {
            byte = '\n';
        } else if (kind < 66) {
            byte = '\b';
        } else if (kind < 69) {
            byte = '\t';
        } else if (kind < 71) {
            byte = '\a';
        } else if (kind < 90) {
            byte = static_cast<char>(Pick(0x80, 0xFF));
        } else {
            constexpr char kGlyphs[] = {0x00, 0x01, 0x02, 0x0B, 0x0C, 0x0E, 0x1B, 0x1F, 0x7F, 0x10};
            byte = kGlyphs[Pick(0, sizeof kGlyphs - 1)];
        }
        text.push_back(byte);
    }
    return text;
}

}  // namespace conkit::testing
