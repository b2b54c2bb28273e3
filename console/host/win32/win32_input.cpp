// Input operations of the Windows console host.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <algorithm>
#include <array>

#include "console/host/pipe_line_reader.hpp"
#include "console/host/win32/native_handle.hpp"
#include "console/host/win32/win32_host.hpp"
#include "console/host/win32/wine_corrections.hpp"

namespace conkit::host {
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

// The bytes of an input handle that is no console (a file or a pipe), read
// a block at a time.
class FileBytes final : public terminal::ByteStream {
  public:
    void Use(Handle input) { input_ = input; }
    int NextByte() override {
        if (next_ == end_) {
            DWORD got = 0;
            if (::ReadFile(NativeHandle(input_), bytes_.data(), kBlock, &got, nullptr) == FALSE ||
                got == 0) {
                return -1;
            }
            next_ = 0;
            end_ = got;
        }
        return static_cast<unsigned char>(bytes_[next_++]);
    }

  private:
    static constexpr DWORD kBlock = 512;
    Handle input_ = 0;
    std::array<char, kBlock> bytes_{};
    DWORD next_ = 0;
    DWORD end_ = 0;
};

FileBytes fileBytes;
terminal::PipeLineReader fileLines;

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

bool Win32Host::PeekConsoleInputA(Handle input, InputRecord* records, std::uint32_t length,
                                  std::uint32_t* count) {
    return TakeRecords(&::PeekConsoleInputA, input, records, length, count);
}

bool Win32Host::ReadConsoleInputA(Handle input, InputRecord* records, std::uint32_t length,
                                  std::uint32_t* count) {
    return TakeRecords(&::ReadConsoleInputA, input, records, length, count);
}

bool Win32Host::FlushConsoleInputBuffer(Handle input) {
    return ::FlushConsoleInputBuffer(NativeHandle(input)) != FALSE;
}

bool Win32Host::ReadConsoleA(Handle input, char* buffer, std::uint32_t count, std::uint32_t* read) {
    DWORD mode = 0;
    if (::GetConsoleMode(NativeHandle(input), &mode) == FALSE) {
        // Lines ended by LF or CR LF, given with CR LF as a console gives them.
        fileBytes.Use(input);
        *read = fileLines.Read(fileBytes, buffer, count);
        return true;
    }
    DWORD done = 0;
    const BOOL ok = ::ReadConsoleA(NativeHandle(input), buffer, count, &done, nullptr);
    *read = ok != FALSE ? done : 0;
    return ok != FALSE;
}

}  // namespace conkit::host
