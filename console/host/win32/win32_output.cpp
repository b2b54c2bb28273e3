// Output and cell operations of the Windows console host.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <algorithm>

#include "console/host/win32/native_handle.hpp"
#include "console/host/win32/redirected_output.hpp"
#include "console/host/win32/win32_host.hpp"
#include "console/host/win32/wine_corrections.hpp"

namespace conkit::host::win32 {
namespace {

COORD ToCoord(Coord position) {
    return {static_cast<SHORT>(position.column), static_cast<SHORT>(position.row)};
}

Coord FromCoord(COORD position) {
    return {static_cast<std::uint16_t>(position.X), static_cast<std::uint16_t>(position.Y)};
}

// Stores a count the caller may have declined to receive.
void Report(std::uint32_t* out, DWORD count) {
    if (out != nullptr) {
        *out = count;
    }
}

// Rows that a scroll brought in take the current attribute; Wine gives them
// the console's first attribute instead.
void RepaintScrolledRows(Handle output, const CONSOLE_SCREEN_BUFFER_INFO& before,
                         std::uint32_t scrolls) {
    const Coord size = FromCoord(before.dwSize);
    const std::uint32_t rows = std::min<std::uint32_t>(scrolls, size.row);
    if (rows == 0) {
        return;
    }
    DWORD filled = 0;
    const COORD first{0, static_cast<SHORT>(size.row - rows)};
    ::FillConsoleOutputAttribute(NativeHandle(output), before.wAttributes, rows * size.column,
                                 first, &filled);
}

// A handle that is no console (a file or a pipe) takes the text as bytes,
// collected.
bool WriteBytes(Handle output, const char* chars, std::uint32_t count, std::uint32_t* written) {
    const bool ok = CollectRedirected(output, chars, count);
    Report(written, ok ? count : 0);
    return ok;
}

}  // namespace

Handle Win32Host::GetStdHandle(StdHandle which) {
    return SeamHandle(
        ::GetStdHandle(which == StdHandle::input ? STD_INPUT_HANDLE : STD_OUTPUT_HANDLE));
}

bool Win32Host::SetConsoleCursorPosition(Handle output, Coord position) {
    return ::SetConsoleCursorPosition(NativeHandle(output), ToCoord(position)) != FALSE;
}

bool Win32Host::SetConsoleTextAttribute(Handle output, std::uint16_t attribute) {
    return ::SetConsoleTextAttribute(NativeHandle(output), attribute) != FALSE;
}

bool Win32Host::WriteConsoleA(Handle output, const char* chars, std::uint32_t count,
                              std::uint32_t* written) {
    if (IsRedirectedOutput(output)) {
        return WriteBytes(output, chars, count, written);
    }
    CONSOLE_SCREEN_BUFFER_INFO before{};
    if (::GetConsoleScreenBufferInfo(NativeHandle(output), &before) == FALSE) {
        DWORD done = 0;
        const BOOL ok = ::WriteConsoleA(NativeHandle(output), chars, count, &done, nullptr);
        Report(written, done);
        return ok != FALSE;
    }
    // Pieces that end where the cursor wraps (see PieceUpToWrap); an empty
    // write is still one call.
    CursorWalk walk(FromCoord(before.dwCursorPosition), FromCoord(before.dwSize));
    std::uint32_t offset = 0;
    DWORD total = 0;
    BOOL ok = TRUE;
    do {
        const std::uint32_t piece = PieceUpToWrap(walk, chars + offset, count - offset);
        DWORD done = 0;
        ok = ::WriteConsoleA(NativeHandle(output), chars + offset, piece, &done, nullptr);
        total += done;
        offset += piece;
    } while (ok != FALSE && offset < count);
    Report(written, total);
    RepaintScrolledRows(output, before, walk.Scrolls());
    return ok != FALSE;
}

bool Win32Host::GetConsoleScreenBufferInfo(Handle output, ScreenBufferInfo* info) {
    CONSOLE_SCREEN_BUFFER_INFO native{};
    if (::GetConsoleScreenBufferInfo(NativeHandle(output), &native) == FALSE) {
        return false;
    }
    info->size = FromCoord(native.dwSize);
    info->cursor = FromCoord(native.dwCursorPosition);
    info->attribute = native.wAttributes;
    return true;
}

bool Win32Host::WriteConsoleOutputCharacterA(Handle output, const char* chars, std::uint32_t count,
                                             Coord start, std::uint32_t* written) {
    DWORD done = 0;
    const BOOL ok =
        ::WriteConsoleOutputCharacterA(NativeHandle(output), chars, count, ToCoord(start), &done);
    Report(written, done);
    return ok != FALSE;
}

bool Win32Host::WriteConsoleOutputAttribute(Handle output, const std::uint16_t* attributes,
                                            std::uint32_t count, Coord start,
                                            std::uint32_t* written) {
    DWORD done = 0;
    const BOOL ok = ::WriteConsoleOutputAttribute(NativeHandle(output), attributes, count,
                                                  ToCoord(start), &done);
    Report(written, done);
    return ok != FALSE;
}

bool Win32Host::ReadConsoleOutputCharacterA(Handle output, char* chars, std::uint32_t count,
                                            Coord start, std::uint32_t* read) {
    DWORD done = 0;
    const BOOL ok =
        ::ReadConsoleOutputCharacterA(NativeHandle(output), chars, count, ToCoord(start), &done);
    Report(read, done);
    return ok != FALSE;
}

bool Win32Host::ReadConsoleOutputAttribute(Handle output, std::uint16_t* attributes,
                                           std::uint32_t count, Coord start, std::uint32_t* read) {
    DWORD done = 0;
    const BOOL ok = ::ReadConsoleOutputAttribute(NativeHandle(output), attributes, count,
                                                 ToCoord(start), &done);
    Report(read, done);
    return ok != FALSE;
}

}  // namespace conkit::host::win32
