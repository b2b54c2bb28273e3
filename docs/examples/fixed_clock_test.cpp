#include <conkit/conkit.hpp>
#include <conkit/testing.hpp>

// The system services seam: a test puts its own clock in place of the
// system's and checks what a program makes of it.
namespace {
class NoonClock : public conkit::os::SystemServices {
  public:
    void GetLocalTime(conkit::SystemTime* time) override { *time = {2024, 6, 1, 15, 12, 0, 0, 0}; }
    void GetSystemTime(conkit::SystemTime* time) override { GetLocalTime(time); }
    // Everything else fails, as a test of the clock needs nothing more.
    const char* GetCommandLineA() override { return ""; }
    conkit::FileHandle CreateFileA(const char*, std::uint32_t, std::uint32_t, std::uint32_t,
                                   std::uint32_t) override {
        return conkit::kInvalidFileHandle;
    }
    bool ReadFile(conkit::FileHandle, void*, std::uint32_t, std::uint32_t*) override {
        return false;
    }
    bool WriteFile(conkit::FileHandle, const void*, std::uint32_t, std::uint32_t*) override {
        return false;
    }
    bool CloseHandle(conkit::FileHandle) override { return false; }
    std::uint32_t GetLastError() override { return 0; }
    std::uint32_t FormatMessageA(std::uint32_t, std::uint32_t, char**) override { return 0; }
    void LocalFree(char*) override {}
    bool SystemTimeToFileTime(const conkit::SystemTime*, std::uint64_t*) override { return false; }
    std::int32_t MessageBoxA(const char*, const char*, std::uint32_t) override { return 0; }
};
}  // namespace

int main() {
    NoonClock noon;
    conkit::os::InstallSystem(noon);
    conkit::EmitDecimal(conkit::QueryMillisecondsOfDay());
}

// Screen:
//   43200000
