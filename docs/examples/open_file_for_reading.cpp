#include <conkit/conkit.hpp>

int main() {
    const conkit::FileHandle file = conkit::OpenFileForReading("no_such_file.txt");
    if (file == conkit::kInvalidFileHandle) {
        conkit::EmitText("no_such_file.txt cannot be opened");
        return 0;
    }
    conkit::ReleaseFileHandle(file);
}

// Screen:
//   no_such_file.txt cannot be opened
