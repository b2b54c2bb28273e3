#include <conkit/conkit.hpp>

int main() {
    char tail[256];  // must hold the whole tail and its terminator
    if (conkit::CopyCommandTail(tail)) {
        conkit::EmitText("arguments: ");
        conkit::EmitText(tail);
    } else {
        conkit::EmitText("no arguments");
    }
}

// Arguments: -v report.txt
// Screen:
//   arguments: -v report.txt
