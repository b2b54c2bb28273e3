#include <conkit/conkit.hpp>

int main() {
    const conkit::FileHandle file = conkit::OpenFileForWriting("greeting.txt");
    if (file == conkit::kInvalidFileHandle) {
        conkit::EmitText("greeting.txt cannot be created");
        return 1;
    }
    // While it is open, no other open of the file succeeds.
    const bool secondOpen =
        conkit::OpenFileForReading("greeting.txt") != conkit::kInvalidFileHandle;
    conkit::EmitText(secondOpen ? "opened twice" : "created, and held for this program");
    conkit::ReleaseFileHandle(file);
}

// Screen:
//   created, and held for this program
