#include "message_box_picture.hpp"

#include "conkit/files/console_message_box.hpp"
#include "conkit/host/console_host.hpp"
#include "conkit/output.hpp"
#include "console/host/memory/memory_host.hpp"
#include "svg_picture.hpp"

namespace conkit::pictures {

std::string DrawQuestionBox() {
    host::memory::MemoryHost console(80, 25);
    host::InstallHost(console);
    host::ResetConsoleState();
    // No key ever comes: once the box has waited this long the memory
    // console gives up, and the box is still on the screen.
    console.SetIdleLimitMs(100);

    ApplyTextAttribute(0x07);
    EmitText("Copying 12 files to backup/ ...\r\nreport.txt exists in backup/.\r\n");
    try {
        ShowConsoleMessageBox("report.txt exists already. Overwrite it with the new copy?", "Copy",
                              0x24);
    } catch (const host::InputExhausted&) {
        // The box waits for an answer, as intended.
    }
    return RenderSvg(console.Screen(), {0, 0, 80, 25},
                     "A question box drawn on the console: Yes or No");
}

}  // namespace conkit::pictures
