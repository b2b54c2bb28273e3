// The writing half of DumpRegisterSet; the capture half is assembly (one
// file per processor) and calls conkit_WriteRegisterDump.
#include "support/dumps/assembly_target.hpp"

#if CONKIT_DUMPS_IN_ASSEMBLY

#include "conkit/output.hpp"
#include "conkit/screen.hpp"
#include "support/dumps/address_hex.hpp"
#include "support/dumps/register_snapshot.hpp"

namespace conkit {

namespace {

#if defined(__x86_64__)
constexpr const char* kGeneralLabels[kGeneralRegisterCount] = {
    "  RAX=", "  RBX=", "  RCX=", "  RDX=", "  RSI=", "  RDI=", "  RBP=", "  RSP=",
    "  R8=",  "  R9=",  "  R10=", "  R11=", "  R12=", "  R13=", "  R14=", "  R15="};
constexpr const char* kInstructionPointerLabel = "  RIP=";
constexpr const char* kFlagsLabel = "  EFL=";
#elif defined(__aarch64__)
constexpr const char* kGeneralLabels[kGeneralRegisterCount] = {
    "  X0=",  "  X1=",  "  X2=",  "  X3=",  "  X4=",  "  X5=",  "  X6=",  "  X7=",
    "  X8=",  "  X9=",  "  X10=", "  X11=", "  X12=", "  X13=", "  X14=", "  X15=",
    "  X16=", "  X17=", "  X18=", "  X19=", "  X20=", "  X21=", "  X22=", "  X23=",
    "  X24=", "  X25=", "  X26=", "  X27=", "  X28=", "  X29=", "  X30=", "  SP="};
constexpr const char* kInstructionPointerLabel = "  PC=";
constexpr const char* kFlagsLabel = "  NZCV=";
#else
constexpr const char* kGeneralLabels[kGeneralRegisterCount] = {
    "  EAX=", "  EBX=", "  ECX=", "  EDX=", "  ESI=", "  EDI=", "  EBP=", "  ESP="};
constexpr const char* kInstructionPointerLabel = "  EIP=";
constexpr const char* kFlagsLabel = "  EFL=";
#endif

// Four registers a line, but r8 to r15 of x86-64 share one.
constexpr bool EndsLine(std::size_t index) {
#if defined(__x86_64__)
    return index == 3 || index == 7 || index + 1 == kGeneralRegisterCount;
#else
    return index % 4 == 3;
#endif
}

// Each flag's text ends in a slot for its digit, so label and digit go out
// in one write.
struct FlagText {
    char text[8];
    std::uint32_t bit;
};
#if defined(__aarch64__)
FlagText flagTexts[] = {{"  N=?", 31}, {"  Z=?", 30}, {"  C=?", 29}, {"  V=?", 28}};
#else
FlagText flagTexts[] = {
    {"  CF=?", 0}, {"  SF=?", 7}, {"  ZF=?", 6}, {"  OF=?", 11}, {"  AF=?", 4}, {"  PF=?", 2},
};
#endif

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
    WriteLabelled(kFlagsLabel, snapshot->flags);
    for (FlagText& flag : flagTexts) {
        flag.text[TextLength(flag.text) - 1] = (snapshot->flags >> flag.bit & 1U) != 0 ? '1' : '0';
        EmitText(flag.text);
    }
    NewLine();
    NewLine();
}

}  // namespace conkit

#endif
