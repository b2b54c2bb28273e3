// The writing half of the frame dump. The two entries are assembly (one
// file per processor): only they see the frame-base register and the stack
// pointer at their call, and they pass both here.
#include "conkit/dumps/frame_dump.hpp"

#include "support/dumps/assembly_target.hpp"

namespace conkit {

// Defined on every target: callers may compare names with it even where
// the dumps are not available.
const char unnamedFrameMarker[2] = {'\x01', '\0'};

}  // namespace conkit

#if CONKIT_DUMPS_IN_ASSEMBLY

#include <cstdint>

#include "conkit/numbers.hpp"
#include "conkit/output.hpp"
#include "conkit/screen.hpp"
#include "support/dumps/address_hex.hpp"
#include "support/dumps/stack_bounds.hpp"

namespace conkit {
namespace {

constexpr std::int64_t kSlot = sizeof(std::uintptr_t);

// From the stack top that the named entry passes on up to the frame base of
// the procedure that called DumpCallerFrame: the unnamed entry's saved
// frame base and return address, and the arguments of its call (three
// counts on i386, the home area of four register arguments on Windows x64,
// none with System V on x86-64 and on arm64).
#if defined(__i386__)
constexpr auto kUnnamedEntryDepth = static_cast<std::uintptr_t>(5 * kSlot);
#elif defined(_WIN32)
constexpr auto kUnnamedEntryDepth = static_cast<std::uintptr_t>(6 * kSlot);
#else
constexpr auto kUnnamedEntryDepth = static_cast<std::uintptr_t>(2 * kSlot);
#endif

// The frame-base and stack-pointer registers by name.
#if defined(__aarch64__)
constexpr const char* kFrameBaseName = "  x29";
constexpr const char* kSavedFrameBaseLabel = " (saved x29) <--- x29";
constexpr const char* kStackTopMark = " <--- sp\r\n";
#else
constexpr const char* kFrameBaseName = "  ebp";
constexpr const char* kSavedFrameBaseLabel = " (saved ebp) <--- ebp";
constexpr const char* kStackTopMark = " <--- esp\r\n";
#endif
constexpr const char* kParameterLabel = " (parameter)";
constexpr const char* kReturnAddressLabel = " (return address)";
constexpr const char* kLocalLabel = " (local variable)";
constexpr const char* kSavedRegisterLabel = " (saved register)";

// The slots span the byte offsets from lowest to highest, both included.
struct Layout {
    bool registersFirst;
    std::int64_t lowest;
    std::int64_t highest;
};

Layout ChooseLayout(std::uint32_t paramCount, std::uint32_t localCount,
                    std::uint32_t savedRegCount) {
    if (paramCount > 0 || localCount > 0 || savedRegCount == 0) {
        return {false, -kSlot * (std::int64_t{localCount} + savedRegCount),
                kSlot * (std::int64_t{paramCount} + 1)};
    }
    return {true, 0, kSlot * (std::int64_t{savedRegCount} + 1)};
}

bool HoldsSlots(const StackBounds& stack, std::uintptr_t base, std::int64_t lowest,
                std::int64_t highest) {
    if (!stack.found || base < stack.low || base >= stack.high) {
        return false;
    }
    const auto below = static_cast<std::uint64_t>(-lowest);
    const auto above = static_cast<std::uint64_t>(highest + kSlot);
    return below <= base - stack.low && above <= stack.high - base;
}

// The frames read belong to other procedures: compiled code may keep
// sanitizer red zones there, and a hand-made frame base need not be
// aligned.
__attribute__((no_sanitize("address", "undefined"))) std::uintptr_t ReadSlot(
    std::uintptr_t address) {
    return *reinterpret_cast<const volatile std::uintptr_t*>(address);
}

void WriteHeading(const char* name) {
    EmitText("Stack Frame ");
    if (name != nullptr && name[0] != '\0' && name[0] != unnamedFrameMarker[0]) {
        EmitText("for ");
        EmitText(name);
    }
    NewLine();
    NewLine();
}

class SlotWriter {
  public:
    SlotWriter(std::uintptr_t base, std::int64_t lowest) : base_(base), lowest_(lowest) {}

    // Writes count slots from offset downwards, all with the same label.
    void Write(std::int64_t offset, std::uint32_t count, const char* label) const {
        for (std::uint32_t i = 0; i < count; ++i, offset -= kSlot) {
            EmitAddressHex(ReadSlot(base_ + static_cast<std::uintptr_t>(offset)));
            EmitText(kFrameBaseName);
            EmitSigned(static_cast<std::int32_t>(offset));
            EmitText(label);
            if (offset == lowest_) {
                EmitText(kStackTopMark);
            }
            NewLine();
        }
    }

  private:
    std::uintptr_t base_;
    std::int64_t lowest_;
};

// Offsets go out as signed 32-bit numbers.
bool OffsetsFit(const Layout& layout) {
    return layout.lowest >= INT32_MIN && layout.highest <= INT32_MAX;
}

}  // namespace

// entryFrameBase: the frame-base register at the call into the named entry;
// stackTop: the caller's stack pointer above that call's arguments.
CONKIT_CALLED_FROM_ASSEMBLY void conkit_WriteCallerFrame(
    std::uintptr_t entryFrameBase, std::uintptr_t stackTop, std::uint32_t paramCount,
    std::uint32_t localCount, std::uint32_t savedRegCount, const char* name) {
    WriteHeading(name);
    const StackBounds stack = FindStackBounds(stackTop);
    const Layout layout = ChooseLayout(paramCount, localCount, savedRegCount);
    std::uintptr_t base = entryFrameBase;
    bool valid = OffsetsFit(layout);
    if (valid && name != nullptr && name[0] == unnamedFrameMarker[0]) {
        valid = HoldsSlots(stack, base, 0, 0);
        base = valid ? ReadSlot(base) : 0;
    }
    if (valid && layout.registersFirst) {
        valid = base == stackTop || base == stackTop + kUnnamedEntryDepth;
    }
    if (!valid || !HoldsSlots(stack, base, layout.lowest, layout.highest)) {
        EmitText("The stack frame is invalid");
        NewLine();
        return;
    }
    const SlotWriter slots(base, layout.lowest);
    if (layout.registersFirst) {
        slots.Write(layout.highest, 1, kReturnAddressLabel);
        slots.Write(layout.highest - kSlot, savedRegCount, kSavedRegisterLabel);
        slots.Write(0, 1, kSavedFrameBaseLabel);
        return;
    }
    slots.Write(layout.highest, paramCount, kParameterLabel);
    slots.Write(kSlot, 1, kReturnAddressLabel);
    slots.Write(0, 1, kSavedFrameBaseLabel);
    slots.Write(-kSlot, localCount, kLocalLabel);
    slots.Write(-kSlot * (std::int64_t{localCount} + 1), savedRegCount, kSavedRegisterLabel);
}

}  // namespace conkit

#endif
