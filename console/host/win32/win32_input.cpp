// Input operations of the Windows console host.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <algorithm>
#include <array>

#include "console/host/pipe_line_reader.hpp"
#include "console/host/stream_keys.hpp"
#include "console/host/win32/handle_bytes.hpp"
#include "console/host/win32/native_handle.hpp"
#include "console/host/win32/redirected_output.hpp"
#include "console/host/win32/win32_host.hpp"
#include "console/host/win32/wine_corrections.hpp"

namespace conkit::host::win32 {
namespace {

// Records pass through here on their way to the caller, so one peek or read
// takes at most this many; the console keeps the rest.
constexpr std::uint32_t kRecordsPerCall = 64;
std::array<INPUT_RECORD, kRecordsPerCall> nativeRecords{};

InputRecord FromNative(const INPUT_RECORD& native) {
    InputRecord record;
    record.eventType = native.EventType;
    if (native.EventType == KEY_EVENT) {
        const KEY_EVENT_RECORD& key = native.Event.KeyEvent;
        record.key.keyDown = static_cast<std::uint32_t>(key.bKeyDown);
        record.key.repeatCount = key.wRepeatCount;
        record.key.virtualKey = key.wVirtualKeyCode;
        record.key.virtualScan = key.wVirtualScanCode;
        record.key.character = static_cast<std::uint8_t>(key.uChar.AsciiChar);
        record.key.controlState = key.dwControlKeyState;
    } else {
        record.key = KeyEventRecord{0, 0, 0, 0, 0, 0};
    }
    return MendInputRecord(record);
}

using NativeInputCall = BOOL(WINAPI*)(HANDLE, PINPUT_RECORD, DWORD, LPDWORD);

bool TakeRecords(NativeInputCall call, Handle input, InputRecord* records, std::uint32_t length,
                 std::uint32_t* count) {
    DWORD taken = 0;
    const DWORD wanted = std::min(length, kRecordsPerCall);
    const BOOL ok = call(NativeHandle(input), nativeRecords.data(), wanted, &taken);
    if (ok == FALSE) {
        taken = 0;
    }
    for (DWORD i = 0; i < taken; ++i) {
        records[i] = FromNative(nativeRecords[i]);
    }
    *count = taken;
    return ok != FALSE;
}

bool IsConsole(Handle input) {
    DWORD mode = 0;
    return ::GetConsoleMode(NativeHandle(input), &mode) != FALSE;
}

// An input that is no console gives its keys and its lines from one byte
// stream.
HandleBytes streamBytes;
StreamKeys streamKeys(streamBytes);
PipeLineReader streamLines;

}  // namespace

bool Win32Host::GetConsoleMode(Handle input, std::uint32_t* mode) {
    DWORD native = 0;
    if (::GetConsoleMode(NativeHandle(input), &native) == FALSE) {
        return false;
    }
    *mode = native;
    return true;
}

bool Win32Host::SetConsoleMode(Handle input, std::uint32_t mode) {
    return ::SetConsoleMode(NativeHandle(input), mode) != FALSE;
}

void Win32Host::PumpStreamKeys(Handle input) {
    streamBytes.Use(input);
    streamKeys.Pump(SteadyNow());
    if (streamKeys.Exhausted()) {
        EndOfInput();
    }
}

bool Win32Host::PeekConsoleInputA(Handle input, InputRecord* records, std::uint32_t length,
                                  std::uint32_t* count) {
    // What the program wrote before it waits for input is out first.
    FlushRedirected();
    if (IsConsole(input)) {
        return TakeRecords(&::PeekConsoleInputA, input, records, length, count);
    }
    PumpStreamKeys(input);
    *count = streamKeys.Queue().Peek(records, length);
    return true;
}

bool Win32Host::ReadConsoleInputA(Handle input, InputRecord* records, std::uint32_t length,
                                  std::uint32_t* count) {
    FlushRedirected();
    if (IsConsole(input)) {
        return TakeRecords(&::ReadConsoleInputA, input, records, length, count);
    }
    PumpStreamKeys(input);
    *count = streamKeys.Queue().Read(records, length);
    return true;
}

bool Win32Host::FlushConsoleInputBuffer(Handle input) {
    FlushRedirected();
    if (IsConsole(input)) {
        return ::FlushConsoleInputBuffer(NativeHandle(input)) != FALSE;
    }
    streamBytes.Use(input);
    streamKeys.Discard(SteadyNow());
    return true;
}

bool Win32Host::ReadConsoleA(Handle input, char* buffer, std::uint32_t count, std::uint32_t* read) {
    FlushRedirected();
    if (!IsConsole(input)) {
        // Lines ended by LF or CR LF, given with CR LF as a console gives them.
        streamBytes.Use(input);
        std::uint32_t done = 0;
        while (!streamLines.Read(streamBytes, buffer, count, done)) {
            streamBytes.AwaitBytes();
        }
        *read = done;
        return true;
    }
    DWORD done = 0;
    const BOOL ok = ::ReadConsoleA(NativeHandle(input), buffer, count, &done, nullptr);
    *read = ok != FALSE ? done : 0;
    return ok != FALSE;
}

}  // namespace conkit::host::win32
