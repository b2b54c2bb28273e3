// A line-oriented program for the end-to-end tests of a console in the
// shell's flow:
//   flow_program lines N   prints "line 0" to "line N-1", one a line
//   flow_program waits     places the cursor and pauses, writes text and
//                          pauses, prompts and reads a line; a key after
//                          each pause
//   flow_program held N    prints N lines, says "emitted" on stderr and
//                          waits outside the console (a killed program whose
//                          output is still collected)
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include <conkit/conkit.hpp>

namespace {

void Lines(std::uint32_t count) {
    for (std::uint32_t n = 0; n < count; ++n) {
        conkit::EmitText("line ");
        conkit::EmitDecimal(n);
        conkit::NewLine();
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace conkit;
    const char* mode = argc > 1 ? argv[1] : "lines";
    const auto count = static_cast<std::uint32_t>(argc > 2 ? std::atoi(argv[2]) : 3);
    if (std::strcmp(mode, "lines") == 0) {
        Lines(count);
    } else if (std::strcmp(mode, "waits") == 0) {
        SetCursorAt(10, 5);
        PauseMs(500);
        WaitKey();
        SetCursorAt(0, 7);
        EmitText("some text");
        PauseMs(500);
        WaitKey();
        NewLine();
        EmitText("name? ");
        char name[40] = {};
        ReadLineInput(name, sizeof name);
        EmitText("hello ");
        EmitText(name);
        NewLine();
    } else if (std::strcmp(mode, "held") == 0) {
        Lines(count);
        static const char kEmitted[] = "emitted\n";
        if (::write(2, kEmitted, sizeof kEmitted - 1) < 0) {
            return 1;
        }
        for (;;) {
            ::pause();
        }
    }
    return 0;
}
