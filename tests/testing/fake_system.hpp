// Process services for tests: every call fails or gives nothing until a test
// overrides it, so a test states exactly what the system does.
#pragma once

#include "conkit/system/system_services.hpp"

namespace conkit::testing {

class FakeSystem : public system::SystemServices {
  public:
    const char* GetCommandLineA() override { return ""; }
    system::FileHandle CreateFileA(const char*, std::uint32_t, std::uint32_t, std::uint32_t,
                                   std::uint32_t) override {
        return system::kInvalidFileHandle;
    }
    bool ReadFile(system::FileHandle, void*, std::uint32_t, std::uint32_t* read) override {
        *read = 0;
        return false;
    }
    bool WriteFile(system::FileHandle, const void*, std::uint32_t,
                   std::uint32_t* written) override {
        *written = 0;
        return false;
    }
    bool CloseHandle(system::FileHandle) override { return false; }
    std::uint32_t GetLastError() override { return 0; }
    std::uint32_t FormatMessageA(std::uint32_t, std::uint32_t, char**) override { return 0; }
    void LocalFree(char*) override {}
    void GetLocalTime(system::SystemTime* time) override { *time = {}; }
    void GetSystemTime(system::SystemTime* time) override { *time = {}; }
    bool SystemTimeToFileTime(const system::SystemTime*, std::uint64_t*) override { return false; }
    std::int32_t MessageBoxA(const char*, const char*, std::uint32_t) override { return 0; }
};

// Installs services for the life of a test and puts the platform's back after.
class ScopedSystem {
  public:
    explicit ScopedSystem(system::SystemServices& services) { system::InstallSystem(services); }
    ~ScopedSystem() { system::InstallSystem(system::PlatformSystem()); }
    ScopedSystem(const ScopedSystem&) = delete;
    ScopedSystem& operator=(const ScopedSystem&) = delete;
};

}  // namespace conkit::testing
