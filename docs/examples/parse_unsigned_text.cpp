#include <conkit/conkit.hpp>

int main() {
    const char* texts[] = {"  42", "12abc", "4294967296"};
    for (const char* text : texts) {
        const conkit::UnsignedConversion number =
            conkit::ParseUnsignedText(text, conkit::TextLength(text));
        conkit::EmitText(text);
        conkit::EmitText(" -> ");
        if (number.valid) {
            conkit::EmitDecimal(number.value);
        } else {
            conkit::EmitText("invalid");
        }
        conkit::NewLine();
    }
}

// Screen:
//     42 -> 42
//   12abc -> 12
//   4294967296 -> invalid
