// Output to a file or a pipe on Windows, collected.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "console/host/win32/native_handle.hpp"
#include "console/host/win32/redirected_output.hpp"

namespace conkit::host::win32 {
namespace {

constexpr std::uint32_t kCapacity = 36 * 1024;

char collected[kCapacity];
volatile LONG collectedSize = 0;
Handle collectedFor = kInvalidHandle;
bool failed = false;
bool hooked = false;

// The console's control events end the process by default: what is
// collected goes out first.
BOOL WINAPI OnControlEvent(DWORD) {
    FlushRedirected();
    return FALSE;
}

void FlushAtExit() {
    FlushRedirected();
}

Handle askedAbout = kInvalidHandle;
bool askedIsRedirected = false;

}  // namespace

bool IsRedirectedOutput(Handle output) {
    if (output != askedAbout) {
        DWORD mode = 0;
        askedAbout = output;
        askedIsRedirected = ::GetConsoleMode(NativeHandle(output), &mode) == FALSE;
    }
    return askedIsRedirected;
}

void FlushRedirected() {
    const auto size = static_cast<DWORD>(::InterlockedExchange(&collectedSize, 0));
    DWORD total = 0;
    while (!failed && total < size) {
        DWORD done = 0;
        if (::WriteFile(NativeHandle(collectedFor), collected + total, size - total, &done,
                        nullptr) == FALSE) {
            failed = true;
        }
        total += done;
    }
}

bool CollectRedirected(Handle output, const char* chars, std::uint32_t count) {
    if (!hooked) {
        hooked = true;
        std::atexit(FlushAtExit);
        ::SetConsoleCtrlHandler(OnControlEvent, TRUE);
    }
    if (output != collectedFor) {
        FlushRedirected();
        collectedFor = output;
        failed = false;
    }
    while (count > 0) {
        if (collectedSize == static_cast<LONG>(kCapacity)) {
            FlushRedirected();
        }
        const std::uint32_t room = kCapacity - static_cast<std::uint32_t>(collectedSize);
        const std::uint32_t piece = count < room ? count : room;
        std::memcpy(collected + collectedSize, chars, piece);
        collectedSize = collectedSize + static_cast<LONG>(piece);
        chars += piece;
        count -= piece;
    }
    return !failed;
}

}  // namespace conkit::host::win32
