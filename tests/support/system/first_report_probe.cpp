// The first ReportLastError of a process, right after the program's own
// failed open of a missing file through the system itself, must show that
// open's error: nothing the kit does on its first use may change it first.
// Exits 0 when it does.
#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#else
#include <fcntl.h>
#endif

#include <cstdio>
#include <string>

#include "conkit/dumps/last_error.hpp"
#include "console/host/memory/memory_host.hpp"

int main() {
    conkit::host::memory::MemoryHost console(200, 10);
    conkit::host::InstallHost(console);
#if defined(_WIN32)
    CreateFileA("no such file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                nullptr);
#else
    open("no such file", O_RDONLY);
#endif
    conkit::ReportLastError();
    std::string written;
    for (const conkit::host::memory::LogEntry& entry : console.Log()) {
        if (entry.operation == conkit::host::memory::Operation::writeConsole) {
            written += entry.text;
        }
    }
    std::fprintf(stderr, "%s\n", written.c_str());
    return written.starts_with("Error 2: ") ? 0 : 1;
}
