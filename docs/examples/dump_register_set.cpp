#include <conkit/conkit.hpp>

int main() {
    conkit::DumpRegisterSet();  // every register and flag is as it was after the call
}

// Needs: x86-64 Linux
// Columns: 180
// Screen:
//
//     RAX=%%%%%%%%%%%%%%%%  RBX=%%%%%%%%%%%%%%%%  RCX=%%%%%%%%%%%%%%%%  RDX=%%%%%%%%%%%%%%%%
//     RSI=%%%%%%%%%%%%%%%%  RDI=%%%%%%%%%%%%%%%%  RBP=%%%%%%%%%%%%%%%%  RSP=%%%%%%%%%%%%%%%%
//   ...
