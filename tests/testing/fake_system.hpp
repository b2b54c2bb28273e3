// Process services for tests: every call fails or gives nothing until a test
// overrides it, so a test states exactly what the system does.
#pragma once

#include "conkit/system/system_services.hpp"

namespace conkit::testing {

class FakeSystem : public os::SystemServices {
  public:
    const char* GetCommandLineA() override { return ""; }
    FileHandle CreateFileA(const char*, std::uint32_t, std::uint32_t, std::uint32_t,
                           std::uint32_t) override {
        return kInvalidFileHandle;
    }
    bool ReadFile(FileHandle, void*, std::uint32_t, std::uint32_t* read) override {
        *read = 0;
        return false;
    }
    bool WriteFile(FileHandle, const void*, std::uint32_t, std::uint32_t* written) override {
        *written = 0;
        return false;
    }
    bool CloseHandle(FileHandle) override { return false; }
    std::uint32_t GetLastError() override { return 0; }
    std::uint32_t FormatMessageA(std::uint32_t, std::uint32_t, char**) override { return 0; }
    void LocalFree(char*) override {}
    void GetLocalTime(SystemTime* time) override { *time = {}; }
    void GetSystemTime(SystemTime* time) override { *time = {}; }
    bool SystemTimeToFileTime(const SystemTime*, std::uint64_t*) override { return false; }
    std::int32_t MessageBoxA(const char*, const char*, std::uint32_t) override { return 0; }
};

// Installs services for the life of a test and puts the platform's back after.
class ScopedSystem {
  public:
    explicit ScopedSystem(os::SystemServices& services) { os::InstallSystem(services); }
    ~ScopedSystem() { os::InstallSystem(os::PlatformSystem()); }
    ScopedSystem(const ScopedSystem&) = delete;
    ScopedSystem& operator=(const ScopedSystem&) = delete;
};

}  // namespace conkit::testing
