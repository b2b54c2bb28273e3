#include <conkit/conkit.hpp>

int main() {
    if (conkit::OpenFileForReading("missing.txt") == conkit::kInvalidFileHandle) {
        conkit::ReportLastError();
    }
}

// Screen:
//   Error 2: No such file or directory
