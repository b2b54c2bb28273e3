#include <conkit/conkit.hpp>

int main() {
    constexpr std::uint32_t kNameSize = 16;
    char name[kNameSize];
    conkit::EmitText("Name: ");
    const std::uint32_t length = conkit::ReadLineInput(name, kNameSize);
    conkit::EmitText("Hello, ");
    conkit::EmitText(name);
    conkit::EmitText(" (");
    conkit::EmitDecimal(length);
    conkit::EmitText(" characters)");
}

// Typed: Ada Lovelace<Enter>
// Screen:
//   Name: Ada Lovelace
//   Hello, Ada Lovelace (12 characters)
