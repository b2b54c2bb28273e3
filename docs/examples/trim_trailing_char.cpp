#include <conkit/conkit.hpp>

int main() {
    char padded[] = "  name    ";
    conkit::TrimTrailingChar(padded, ' ');
    conkit::EmitChar('[');
    conkit::EmitText(padded);
    conkit::EmitChar(']');
    char path[] = "/usr/local///";
    conkit::TrimTrailingChar(path, '/');
    conkit::NewLine();
    conkit::EmitText(path);
}

// Screen:
//   [  name]
//   /usr/local
