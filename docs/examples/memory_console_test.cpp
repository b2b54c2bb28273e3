#include <conkit/conkit.hpp>
#include <conkit/testing.hpp>

// A test of a program's own drawing routine: run it on a memory console and
// read the cells back. The exit status says whether the drawing is right.
namespace {
void DrawTitle() {
    conkit::SetCursorAt(2, 0);
    conkit::ApplyTextAttribute(0x1F);
    conkit::EmitText("Report");
}
}  // namespace

int main() {
    conkit::MemoryConsole console(40, 10);  // in use until it goes

    DrawTitle();

    const bool text = console.RowText(0, 2, 6) == "Report";
    const bool colour = console.AttributeAt(2, 0) == 0x1F;
    return text && colour ? 0 : 1;
}

// The program's own console was set aside, so nothing shows there.
// Screen:
