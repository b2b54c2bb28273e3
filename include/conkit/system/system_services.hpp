// The process-services seam: the system calls of the support library under
// the names of the Windows calls they stand for. The platform's own services
// are used unless a test installs others (to set the clock or the command
// line, or to inject failures). The namespace is os, a name no C library
// routine has, so `using namespace conkit;` hides none of them.
#pragma once

#include <cstdint>

#include "conkit/clock/system_time.hpp"
#include "conkit/export.hpp"
#include "conkit/files/box_answers.hpp"
#include "conkit/files/file_handle.hpp"

namespace conkit::os {

inline constexpr std::uint32_t kGenericRead = 0x80000000;
inline constexpr std::uint32_t kGenericWrite = 0x40000000;
inline constexpr std::uint32_t kCreateAlways = 2;
inline constexpr std::uint32_t kOpenExisting = 3;
inline constexpr std::uint32_t kFileAttributeNormal = 0x80;

inline constexpr std::uint32_t kFormatMessageAllocateBuffer = 0x0100;
inline constexpr std::uint32_t kFormatMessageFromSystem = 0x1000;

inline constexpr std::uint32_t kMbOk = 0x00;
inline constexpr std::uint32_t kMbYesNo = 0x04;
inline constexpr std::uint32_t kMbIconQuestion = 0x20;

class SystemServices {
  public:
    virtual ~SystemServices() = default;

    // The process's command line as one text: the program name as invoked,
    // then each argument after one blank (quoted when it holds a blank).
    virtual const char* GetCommandLineA() = 0;

    // Returns kInvalidFileHandle on failure, with the reason in GetLastError.
    virtual FileHandle CreateFileA(const char* name, std::uint32_t access, std::uint32_t shareMode,
                                   std::uint32_t disposition, std::uint32_t attributes) = 0;
    virtual bool ReadFile(FileHandle file, void* buffer, std::uint32_t count,
                          std::uint32_t* read) = 0;
    virtual bool WriteFile(FileHandle file, const void* buffer, std::uint32_t count,
                           std::uint32_t* written) = 0;
    virtual bool CloseHandle(FileHandle file) = 0;

    // The calling thread's last system error code.
    virtual std::uint32_t GetLastError() = 0;

    // Stores in *text the system's message for code and returns its length;
    // returns 0 and stores nothing when the system has no text for it. A
    // text obtained here is given back with LocalFree.
    virtual std::uint32_t FormatMessageA(std::uint32_t flags, std::uint32_t code, char** text) = 0;
    virtual void LocalFree(char* text) = 0;

    virtual void GetLocalTime(SystemTime* time) = 0;
    virtual void GetSystemTime(SystemTime* time) = 0;
    // Returns false, leaving *fileTime as it was, for an invalid date.
    virtual bool SystemTimeToFileTime(const SystemTime* time, std::uint64_t* fileTime) = 0;

    // Shows a modal box and returns the button pressed (kIdOk, kIdYes,
    // kIdNo), or 0 when no box could be shown.
    virtual std::int32_t MessageBoxA(const char* text, const char* caption,
                                     std::uint32_t style) = 0;
};

// The services in use: the platform's own unless others were installed.
CONKIT_SUPPORT_API SystemServices& CurrentSystem();

// Makes services the ones in use; the caller keeps them alive.
CONKIT_SUPPORT_API void InstallSystem(SystemServices& services);

// The platform's own services.
CONKIT_SUPPORT_API SystemServices& PlatformSystem();

}  // namespace conkit::os
