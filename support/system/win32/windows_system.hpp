// The process services on Windows: each one is the kernel32 or user32 call
// of the same name with the arguments the library fixes. Each group of calls
// is defined in a file of its own beside this one; none of them allocates.
#pragma once

#include "conkit/system/system_services.hpp"

namespace conkit::os {

class WindowsSystem final : public SystemServices {
  public:
    const char* GetCommandLineA() override;  // command_line.cpp
    FileHandle CreateFileA(const char* name, std::uint32_t access, std::uint32_t shareMode,
                           std::uint32_t disposition,
                           std::uint32_t attributes) override;  // files.cpp
    bool ReadFile(FileHandle file, void* buffer, std::uint32_t count,
                  std::uint32_t* read) override;  // files.cpp
    bool WriteFile(FileHandle file, const void* buffer, std::uint32_t count,
                   std::uint32_t* written) override;  // files.cpp
    bool CloseHandle(FileHandle file) override;       // files.cpp
    std::uint32_t GetLastError() override;            // error_text.cpp
    std::uint32_t FormatMessageA(std::uint32_t flags, std::uint32_t code,
                                 char** text) override;  // error_text.cpp
    void LocalFree(char* text) override;                 // error_text.cpp
    void GetLocalTime(SystemTime* time) override;        // clock.cpp
    void GetSystemTime(SystemTime* time) override;       // clock.cpp
    bool SystemTimeToFileTime(const SystemTime* time,
                              std::uint64_t* fileTime) override;  // clock.cpp
    std::int32_t MessageBoxA(const char* text, const char* caption,
                             std::uint32_t style) override;  // message_box.cpp
};

}  // namespace conkit::os
