// A program of the kind users write, for the end-to-end tests of a console
// in the shell's flow:
//   flow_program lines N   prints "line 0" to "line N-1", one a line
//   flow_program waits     places the cursor and pauses, writes text and
//                          pauses, prompts and reads a line; a key after
//                          each pause
//   flow_program held N    prints N lines, says "emitted" on stderr and
//                          waits outside the console (a killed program whose
//                          output is still collected)
//   flow_program count     prints numbered lines until it is stopped,
//                          saying on stderr how many the kit has taken
//   flow_program ask       prompts for a name and greets it, then "Bye."
//   flow_program wide      prints one line of 100 digits
//   flow_program slow N    prints N lines, one every 100 ms
//   flow_program ahead     sleeps a second outside the console, then reads
//                          two lines and shows each
//   flow_program hello     the README's first program, then a line in the
//                          console's default colours
//   flow_program key       asks for a key and says goodbye
//   flow_program box       shows a message box and waits for its answer
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <conkit/conkit.hpp>

namespace {

void Line(std::uint32_t n) {
    conkit::EmitText("line ");
    conkit::EmitDecimal(n);
    conkit::NewLine();
}

void Lines(std::uint32_t count) {
    for (std::uint32_t n = 0; n < count; ++n) {
        Line(n);
    }
}

void Say(const char* text) {
    if (::write(2, text, std::strlen(text)) < 0) {
        std::exit(1);
    }
}

void Hold() {
    for (;;) {
        ::pause();
    }
}

void Count() {
    char taken[16];
    for (std::uint32_t n = 0;; ++n) {
        Line(n);
        std::snprintf(taken, sizeof taken, "%u\n", n + 1);
        Say(taken);
    }
}

void Waits() {
    using namespace conkit;
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
}

void Ask() {
    char name[40] = {};
    conkit::EmitText("name? ");
    conkit::ReadLineInput(name, sizeof name);
    conkit::EmitText("hello ");
    conkit::EmitText(name);
    conkit::NewLine();
    conkit::EmitText("Bye.");
    conkit::NewLine();
}

void Ahead() {
    ::sleep(1);
    for (int line = 0; line < 2; ++line) {
        char text[40] = {};
        conkit::ReadLineInput(text, sizeof text);
        conkit::EmitText("got [");
        conkit::EmitText(text);
        conkit::EmitText("]");
        conkit::NewLine();
    }
}

void Hello() {
    using namespace conkit;
    ApplyTextAttribute(0x1E);
    SetCursorAt(4, 2);
    EmitText("Hello from conkit! 6 x 7 = ");
    EmitDecimal(6 * 7);
    NewLine();
    PromptAnyKey();
    ApplyTextAttribute(0x07);
    NewLine();
    EmitText("plain text");
    NewLine();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace conkit;
    const char* mode = argc > 1 ? argv[1] : "lines";
    const auto count = static_cast<std::uint32_t>(argc > 2 ? std::atoi(argv[2]) : 3);
    if (std::strcmp(mode, "lines") == 0) {
        Lines(count);
    } else if (std::strcmp(mode, "waits") == 0) {
        Waits();
    } else if (std::strcmp(mode, "held") == 0) {
        Lines(count);
        Say("emitted\n");
        Hold();
    } else if (std::strcmp(mode, "count") == 0) {
        Count();
    } else if (std::strcmp(mode, "ask") == 0) {
        Ask();
    } else if (std::strcmp(mode, "wide") == 0) {
        for (int digit = 0; digit < 100; ++digit) {
            EmitChar(static_cast<std::uint8_t>('0' + digit % 10));
        }
        NewLine();
    } else if (std::strcmp(mode, "slow") == 0) {
        for (std::uint32_t n = 0; n < count; ++n) {
            Line(n);
            PauseMs(100);
        }
    } else if (std::strcmp(mode, "ahead") == 0) {
        Ahead();
    } else if (std::strcmp(mode, "hello") == 0) {
        Hello();
    } else if (std::strcmp(mode, "key") == 0) {
        EmitText("press a key");
        NewLine();
        WaitKey();
        EmitText("bye");
        NewLine();
    } else if (std::strcmp(mode, "box") == 0) {
        DisplayMessageBox("A box over the shell's text.", "Box");
    }
    return 0;
}
