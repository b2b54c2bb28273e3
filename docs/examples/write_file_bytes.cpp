#include <conkit/conkit.hpp>

int main() {
    const char text[] = "one line\n";
    const conkit::FileHandle file = conkit::OpenFileForWriting("written.txt");
    const std::uint32_t written = conkit::WriteFileBytes(file, text, sizeof text - 1);
    conkit::ReleaseFileHandle(file);
    conkit::EmitDecimal(written);
    conkit::EmitText(" bytes written");
}

// Screen:
//   9 bytes written
