// The Windows console host: every console operation is the one Windows call
// of the same name, with the seam's plain records converted to and from the
// Windows ones. Where Wine's console breaks the contract, the host mends the
// result (see wine_corrections.hpp).
//
// An output that is no console gets the text as bytes, collected and written
// as on POSIX (redirected_output.hpp).
//
// An input that is no console (a file or a pipe) gives key events decoded
// from its bytes as the terminal host decodes them, and lines from the same
// bytes. Waiting for a key once it has ended and nothing is queued ends the
// process as on POSIX (see input_end.hpp).
#pragma once

#include <cstdint>

#include "conkit/host/console_host.hpp"

namespace conkit::host::win32 {

class Win32Host final : public ConsoleHost {
  public:
    Handle GetStdHandle(StdHandle which) override;
    bool SetConsoleCursorPosition(Handle output, Coord position) override;
    bool SetConsoleTextAttribute(Handle output, std::uint16_t attribute) override;
    bool WriteConsoleA(Handle output, const char* chars, std::uint32_t count,
                       std::uint32_t* written) override;
    bool GetConsoleMode(Handle input, std::uint32_t* mode) override;
    bool SetConsoleMode(Handle input, std::uint32_t mode) override;
    bool PeekConsoleInputA(Handle input, InputRecord* records, std::uint32_t length,
                           std::uint32_t* count) override;
    bool ReadConsoleInputA(Handle input, InputRecord* records, std::uint32_t length,
                           std::uint32_t* count) override;
    bool FlushConsoleInputBuffer(Handle input) override;
    bool ReadConsoleA(Handle input, char* buffer, std::uint32_t count,
                      std::uint32_t* read) override;
    bool GetConsoleScreenBufferInfo(Handle output, ScreenBufferInfo* info) override;
    bool WriteConsoleOutputCharacterA(Handle output, const char* chars, std::uint32_t count,
                                      Coord start, std::uint32_t* written) override;
    bool WriteConsoleOutputAttribute(Handle output, const std::uint16_t* attributes,
                                     std::uint32_t count, Coord start,
                                     std::uint32_t* written) override;
    bool ReadConsoleOutputCharacterA(Handle output, char* chars, std::uint32_t count, Coord start,
                                     std::uint32_t* read) override;
    bool ReadConsoleOutputAttribute(Handle output, std::uint16_t* attributes, std::uint32_t count,
                                    Coord start, std::uint32_t* read) override;
    void Sleep(std::uint32_t milliseconds) override;
    [[noreturn]] void ExitProcess(std::uint32_t status) override;

  private:
    // Decodes the keys of an input that is no console; ends the process
    // when none can come any more.
    void PumpStreamKeys(Handle input);
    // Says on stderr that the input has ended and exits with
    // kInputEndedStatus, the collected output written first. Nothing else
    // needs restoring: a console mode cannot be set on such an input.
    [[noreturn]] void EndOfInput();
};

}  // namespace conkit::host::win32
