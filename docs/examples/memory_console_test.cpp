#include <conkit/conkit.hpp>
#include <console/console_state.hpp>
#include <console/host/memory/memory_host.hpp>

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
    conkit::host::MemoryHost console(40, 10);
    conkit::host::InstallHost(console);
    conkit::consoleReady = 0;  // fetch the handles of the new console

    DrawTitle();

    const bool text = console.RowText(0, 2, 6) == "Report";
    const bool colour = console.Screen().At(2, 0).attribute == 0x1F;
    return text && colour ? 0 : 1;
}

// The program's own console was set aside, so nothing shows there.
// Screen:
