#include <conkit/conkit.hpp>

int main() {
    const std::int32_t answer = conkit::AskYesNo("Overwrite the file?");
    if (answer == conkit::IDYES) {
        conkit::EmitText("overwriting");
    } else if (answer == conkit::IDNO) {
        conkit::EmitText("keeping the file");
    } else {
        conkit::EmitText("no box could be shown");
    }
}

// Screen:
//   keeping the file
