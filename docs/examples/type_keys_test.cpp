#include <conkit/conkit.hpp>
#include <conkit/testing.hpp>

// A test of a program's own input handling: type into a memory console what
// a user would, run the code, check what it made of it. The exit status
// says whether it is right.
namespace {
// Moves a marker with Left and Right until Enter; returns its column.
std::uint32_t ChooseColumn(std::uint32_t column) {
    for (;;) {
        const std::uint32_t key = conkit::WaitKey();
        if (key == conkit::kKeyEnter) {
            return column;
        }
        column += key == conkit::kKeyRight ? 1 : 0;
        column -= key == conkit::kKeyLeft && column > 0 ? 1 : 0;
    }
}
}  // namespace

int main() {
    conkit::MemoryConsole console(40, 10);

    // A line read takes what is typed ahead.
    console.TypeText("42\r");
    const conkit::UnsignedConversion start = conkit::ReadLineAsUnsigned();

    // A key reader takes one key and throws the rest away: keys for it
    // come one at a time, here 50 ms apart on the virtual clock.
    std::uint64_t atMs = console.NowMs();
    for (const std::uint32_t key :
         {conkit::kKeyRight, conkit::kKeyRight, conkit::kKeyLeft, conkit::kKeyEnter}) {
        console.ScheduleKey(atMs += 50, conkit::MakeKeyPress(key));
    }
    return start.valid && ChooseColumn(start.value) == 43 ? 0 : 1;
}

// Screen:
