#include <conkit/conkit.hpp>

int main() {
    const char* source = "copied";
    char target[16];  // must hold TextLength(source) + 1 bytes
    conkit::CopyText(source, target);
    conkit::EmitText(target);
}

// Screen:
//   copied
