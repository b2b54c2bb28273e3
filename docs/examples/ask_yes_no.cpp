#include <conkit/conkit.hpp>

int main() {
    const std::int32_t answer = conkit::AskYesNo("Overwrite the file?");
    if (answer == conkit::kIdYes) {
        conkit::EmitText("overwriting");
    } else if (answer == conkit::kIdNo) {
        conkit::EmitText("keeping the file");
    } else {
        conkit::EmitText("no box could be shown");
    }
}

// Screen:
//   keeping the file
