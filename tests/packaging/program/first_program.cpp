// A program built outside the kit's tree. It writes through the console
// services and the support library onto a memory console and reads the
// cells back, so it needs no terminal; the exit status says whether the
// text landed where it was placed.
#include <conkit.hpp>
#include <console/host/memory/memory_host.hpp>
#include <support/system/system_services.hpp>

int main() {
    conkit::host::MemoryHost console(80, 25);
    conkit::host::InstallHost(console);

    conkit::SetCursorAt(2, 1);
    conkit::ApplyTextAttribute(0x1E);
    conkit::EmitText("installed");

    const bool placed = console.RowText(1, 2, 9) == "installed";
    const bool coloured = console.Screen().At(2, 1).attribute == 0x1E;
    // Reaches into the support library, so its archive must link.
    static_cast<void>(conkit::system::CurrentSystem());
    return placed && coloured ? 0 : 1;
}
