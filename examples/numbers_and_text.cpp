// A first program on conkit: it reads three numbers typed at the console and
// writes each back in four notations, then reads two lines, tidies them and
// says how they sort. Input may come from the keyboard or from a pipe.
#include <compare>
#include <cstdint>

#include <conkit/conkit.hpp>

namespace {

void ShowNumber(std::uint32_t bits) {
    conkit::EmitText("  decimal ");
    conkit::EmitDecimal(bits);
    conkit::EmitText("  signed ");
    conkit::EmitSigned(static_cast<std::int32_t>(bits));
    conkit::EmitText("  hexadecimal ");
    conkit::EmitHex(bits);
    conkit::NewLine();
    conkit::EmitText("  binary ");
    conkit::EmitBinary(bits);
    conkit::NewLine();
}

void ShowUnsigned(conkit::UnsignedConversion number) {
    if (number.valid) {
        ShowNumber(number.value);
    } else {
        conkit::EmitText("  that is not a number");
        conkit::NewLine();
    }
}

// Reads a line, cuts its trailing blanks off and turns it into capitals.
void ReadTidyLine(const char* prompt, char* line, std::uint32_t capacity) {
    conkit::EmitText(prompt);
    line[0] = '\0';
    conkit::ReadLineInput(line, capacity);
    conkit::TrimTrailingChar(line, ' ');
    conkit::UpperCaseText(line);
}

}  // namespace

int main() {
    conkit::EmitText("Unsigned number: ");
    ShowUnsigned(conkit::ReadLineAsUnsigned());

    conkit::EmitText("Signed number: ");
    const conkit::SignedConversion signedNumber = conkit::ReadLineAsSigned();
    if (signedNumber.valid) {
        ShowNumber(static_cast<std::uint32_t>(signedNumber.value));
    }

    conkit::EmitText("Hexadecimal number: ");
    ShowUnsigned(conkit::ReadLineAsHex());

    char first[80];
    char second[80];
    ReadTidyLine("First line: ", first, sizeof first);
    ReadTidyLine("Second line: ", second, sizeof second);
    const std::strong_ordering order = conkit::CompareText(first, second);
    conkit::EmitText("\"");
    conkit::EmitText(first);
    conkit::EmitText(order < 0   ? "\" sorts before \""
                     : order > 0 ? "\" sorts after \""
                                 : "\" equals \"");
    conkit::EmitText(second);
    conkit::EmitText("\"");
    conkit::NewLine();
    return 0;
}
