#include <conkit/conkit.hpp>

int main() {
    const conkit::FileHandle file = conkit::OpenFileForWriting("closed.txt");
    conkit::EmitText(conkit::ReleaseFileHandle(file) ? "closed" : "not closed");
    conkit::NewLine();
    conkit::EmitText(conkit::ReleaseFileHandle(file) ? "closed again" : "already closed");
}

// Screen:
//   closed
//   already closed
