#include "conkit/memory_console.hpp"

#include <new>

#include "console/host/installed_host.hpp"
#include "console/host/memory/memory_host.hpp"

namespace conkit {
namespace {

host::memory::MemoryHost& HostIn(unsigned char* storage) {
    return *std::launder(reinterpret_cast<host::memory::MemoryHost*>(storage));
}

const host::memory::MemoryHost& HostIn(const unsigned char* storage) {
    return *std::launder(reinterpret_cast<const host::memory::MemoryHost*>(storage));
}

}  // namespace

MemoryConsole::MemoryConsole(std::uint16_t columns, std::uint16_t rows) {
    static_assert(sizeof(host::memory::MemoryHost) <= kStorageSize, "grow MemoryConsole's storage");
    static_assert(alignof(host::memory::MemoryHost) <= alignof(std::max_align_t));
    auto* console = new (storage_) host::memory::MemoryHost(columns, rows);
    previous_ = host::ExchangeHost(console);
    host::ResetConsoleState();
}

MemoryConsole::~MemoryConsole() {
    host::ExchangeHost(previous_);
    host::ResetConsoleState();
    HostIn(storage_).~MemoryHost();
}

std::uint16_t MemoryConsole::Columns() const {
    return HostIn(storage_).Screen().Columns();
}

std::uint16_t MemoryConsole::Rows() const {
    return HostIn(storage_).Screen().Rows();
}

std::uint8_t MemoryConsole::CharacterAt(std::uint16_t column, std::uint16_t row) const {
    return HostIn(storage_).Screen().At(column, row).character;
}

std::uint16_t MemoryConsole::AttributeAt(std::uint16_t column, std::uint16_t row) const {
    return HostIn(storage_).Screen().At(column, row).attribute;
}

host::Coord MemoryConsole::Cursor() const {
    return HostIn(storage_).Screen().Cursor();
}

std::string MemoryConsole::RowText(std::uint16_t row, std::uint16_t column,
                                   std::uint16_t count) const {
    return HostIn(storage_).RowText(row, column, count);
}

bool MemoryConsole::QueueKey(const host::KeyEventRecord& key) {
    return HostIn(storage_).QueueKey(key);
}

bool MemoryConsole::TypeText(const char* text) {
    for (; *text != '\0'; ++text) {
        if (!QueueKey(MakeCharacterPress(*text))) {
            return false;
        }
    }
    return true;
}

bool MemoryConsole::TypeKey(std::uint32_t keyCode) {
    const host::KeyEventRecord press = MakeKeyPress(keyCode);
    return press.virtualKey != 0 && QueueKey(press);
}

void MemoryConsole::ScheduleKey(std::uint64_t atMs, const host::KeyEventRecord& key) {
    host::InputRecord record;
    record.key = key;
    HostIn(storage_).Schedule(atMs, record);
}

std::uint64_t MemoryConsole::NowMs() const {
    return HostIn(storage_).NowMs();
}

host::ConsoleHost& MemoryConsole::Host() {
    return HostIn(storage_);
}

}  // namespace conkit
