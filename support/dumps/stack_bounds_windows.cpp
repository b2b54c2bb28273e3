// The bounds come from VirtualQuery: the run of committed, readable pages
// that holds the address. On a thread's stack that is the part in use, up
// to the stack's base; the guard page and the reserved pages below it are
// left out, as a read there would fault or grow the stack.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include "support/dumps/stack_bounds.hpp"

namespace conkit {

namespace {

constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                            PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;

}  // namespace

StackBounds FindStackBounds(std::uintptr_t address) {
    const DWORD savedError = GetLastError();
    MEMORY_BASIC_INFORMATION region{};
    StackBounds bounds{0, 0, false};
    if (VirtualQuery(reinterpret_cast<const void*>(address), &region, sizeof region) != 0 &&
        region.State == MEM_COMMIT && (region.Protect & kReadable) != 0 &&
        (region.Protect & PAGE_GUARD) == 0) {
        const auto low = reinterpret_cast<std::uintptr_t>(region.BaseAddress);
        bounds = {low, low + region.RegionSize, true};
    }
    SetLastError(savedError);
    return bounds;
}

}  // namespace conkit
