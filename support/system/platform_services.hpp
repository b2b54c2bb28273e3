// The platform's own process services. One declaration for every platform:
// each group of calls is defined in a file of its own under posix/ or
// win32/ (named beside each call below), and none of them allocates. On
// POSIX, which has no message box of its own, MessageBoxA is the kit's box
// (support/files/platform_message_box_posix.cpp).
#pragma once

#include "conkit/system/system_services.hpp"

namespace conkit::os {

class PlatformServices final : public SystemServices {
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
                             std::uint32_t style) override;  // win32/message_box.cpp
};

}  // namespace conkit::os
