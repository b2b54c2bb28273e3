#include <conkit/conkit.hpp>

int main() {
    char tail[256];
    const conkit::CommandTailCopy copy = conkit::CopyCommandTail(tail, sizeof tail);
    if (copy.copied) {
        conkit::EmitText("arguments: ");
        conkit::EmitText(tail);
        conkit::EmitText(copy.cut ? " (cut)" : "");
    } else {
        conkit::EmitText("no arguments");
    }
}

// Arguments: -v report.txt
// Screen:
//   arguments: -v report.txt
