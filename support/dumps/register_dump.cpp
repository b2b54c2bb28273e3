// The writing half of DumpRegisterSet; the capture half is assembly (one
// file per processor) and calls conkit_WriteRegisterDump.
#include "conkit/output.hpp"
#include "conkit/screen.hpp"
#include "support/dumps/address_hex.hpp"
#include "support/dumps/assembly_target.hpp"
#include "support/dumps/register_snapshot.hpp"

namespace conkit {

namespace {

#if defined(__x86_64__)
constexpr const char* kGeneralLabels[kGeneralRegisterCount] = {
    "  RAX=", "  RBX=", "  RCX=", "  RDX=", "  RSI=", "  RDI=", "  RBP=", "  RSP=",
    "  R8=",  "  R9=",  "  R10=", "  R11=", "  R12=", "  R13=", "  R14=", "  R15="};
constexpr const char* kInstructionPointerLabel = "  RIP=";
#else
constexpr const char* kGeneralLabels[kGeneralRegisterCount] = {
    "  EAX=", "  EBX=", "  ECX=", "  EDX=", "  ESI=", "  EDI=", "  EBP=", "  ESP="};
constexpr const char* kInstructionPointerLabel = "  EIP=";
#endif
// The first eight registers go in two lines of four; r8 to r15, when there
// are any, in a third line.
constexpr bool EndsLine(std::size_t index) {
    return index == 3 || index == 7 || index + 1 == kGeneralRegisterCount;
}

// Each flag's text keeps a slot for its digit right after the "=", so label
// and digit go out in one write.
constexpr std::size_t kFlagDigitSlot = 5;
struct FlagText {
    char text[kFlagDigitSlot + 2];
    std::uint32_t bit;
};
FlagText flagTexts[] = {
    {"  CF=?", 0}, {"  SF=?", 7}, {"  ZF=?", 6}, {"  OF=?", 11}, {"  AF=?", 4}, {"  PF=?", 2},
};

void WriteLabelled(const char* label, std::uintptr_t value) {
    EmitText(label);
    EmitAddressHex(value);
}

}  // namespace

CONKIT_CALLED_FROM_ASSEMBLY void conkit_WriteRegisterDump(const RegisterSnapshot* snapshot) {
    NewLine();
    for (std::size_t i = 0; i < kGeneralRegisterCount; ++i) {
        WriteLabelled(kGeneralLabels[i], snapshot->general[i]);
        if (EndsLine(i)) {
            NewLine();
        }
    }
    WriteLabelled(kInstructionPointerLabel, snapshot->instructionPointer);
    WriteLabelled("  EFL=", snapshot->flags);
    for (FlagText& flag : flagTexts) {
        flag.text[kFlagDigitSlot] = (snapshot->flags >> flag.bit & 1U) != 0 ? '1' : '0';
        EmitText(flag.text);
    }
    NewLine();
    NewLine();
}

}  // namespace conkit
