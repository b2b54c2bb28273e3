// A program built outside the kit's tree. It writes through the console
// services and the support library onto a memory console and reads the
// cells back, so it needs no terminal; the exit status says whether the
// text landed where it was placed.
#include <conkit/conkit.hpp>
#include <conkit/testing.hpp>

int main() {
    conkit::MemoryConsole console(80, 25);

    conkit::SetCursorAt(2, 1);
    conkit::ApplyTextAttribute(0x1E);
    conkit::EmitText("installed ");
    conkit::EmitHex(0xC0DE, 2);
    conkit::NewLine();
    conkit::EmitSigned(-42);

    const bool placed = console.RowText(1, 2, 14) == "installed C0DE";
    const bool coloured = console.AttributeAt(2, 1) == 0x1E;
    const bool nextLine = console.RowText(2, 0, 3) == "-42";
    return placed && coloured && nextLine ? 0 : 1;
}
