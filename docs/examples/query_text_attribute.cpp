#include <conkit/conkit.hpp>

int main() {
    conkit::ApplyTextAttribute(0x1E);
    const std::uint32_t attribute = conkit::QueryTextAttribute();
    conkit::EmitText("attribute ");
    conkit::EmitHex(attribute, 2);
}

// Screen:
//   attribute 001E
