#include <conkit/conkit.hpp>

int main() {
    const char* texts[] = {"+7", "-2147483648", "2147483648"};
    for (const char* text : texts) {
        conkit::EmitText(text);
        conkit::EmitText(" ->");
        // An invalid text writes its own message and a line break.
        const conkit::SignedConversion number =
            conkit::ParseSignedText(text, conkit::TextLength(text));
        if (number.valid) {
            conkit::EmitChar(' ');
            conkit::EmitSigned(number.value);
            conkit::NewLine();
        }
    }
}

// Screen:
//   +7 -> +7
//   -2147483648 -> -2147483648
//   2147483648 -> <32-bit integer overflow>
