#include <conkit/conkit.hpp>

int main() {
    const char text[] = "conkit dumps";
    conkit::DumpMemoryBlock(text, 13, 1);  // 13 single bytes, the terminator too
    conkit::DumpMemoryBlock(text, 3, 4);   // the same bytes as three 32-bit units
}

// Needs: x86-64 Linux
// Screen:
//
//   Dump of offset %%%%%%%%%%%%%%%%
//   -------------------------------
//   63 6F 6E 6B 69 74 20 64 75 6D 70 73 00
//
//   Dump of offset %%%%%%%%%%%%%%%%
//   -------------------------------
//   6B6E6F63  64207469  73706D75
