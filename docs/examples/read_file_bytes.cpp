#include <conkit/conkit.hpp>

int main() {
    const char text[] = "abcdefghij";
    conkit::FileHandle file = conkit::OpenFileForWriting("letters.txt");
    conkit::WriteFileBytes(file, text, 10);
    conkit::ReleaseFileHandle(file);

    file = conkit::OpenFileForReading("letters.txt");
    char chunk[5] = {};  // four bytes at a time and a terminator
    for (;;) {
        const conkit::FileReadResult read = conkit::ReadFileBytes(file, chunk, 4);
        if (!read.succeeded || read.value == 0) {  // an error, or the end of the file
            break;
        }
        chunk[read.value] = '\0';
        conkit::EmitText(chunk);
        conkit::NewLine();
    }
    conkit::ReleaseFileHandle(file);
}

// Screen:
//   abcd
//   efgh
//   ij
