// Every routine of the kit that reaches the console works as a program's
// first call: it fetches the two standard handles before any console call
// that takes one, and then does exactly what it does once they are
// fetched (the same console calls with the same arguments, the same
// cursor, the same keys left queued), never fetching them again.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "conkit/conkit.hpp"
#include "console/console_state.hpp"
#include "tests/testing/fake_system.hpp"
#include "tests/testing/memory_console.hpp"

namespace conkit {
namespace {

using host::memory::Operation;

struct Routine {
    const char* name;
    void (*call)();
    // Typed before the call, for the routines that wait for keys.
    const char* typed = "";
};

void PrintTo(const Routine& routine, std::ostream* out) {
    *out << routine.name;
}

// The console calls that take a handle, and the handle fetches, as text;
// then the cursor and the keys left queued.
std::string Traced(const Routine& routine, bool handlesFetched) {
    MemoryConsole console(80, 25);
    auto& memory = static_cast<host::memory::MemoryHost&>(console.Host());
    EXPECT_TRUE(console.TypeText(routine.typed));
    if (handlesFetched) {
        EnsureConsoleReady();
        memory.ClearTrace();
    }
    routine.call();
    std::ostringstream trace;
    for (const host::memory::LogEntry& entry : memory.Log()) {
        if (entry.operation == Operation::getStdHandle) {
            trace << "fetch\n";
        } else if (entry.operation != Operation::sleep) {
            trace << static_cast<int>(entry.operation) << ' ' << entry.value << " at "
                  << entry.position.column << ',' << entry.position.row << '\n';
        }
    }
    trace << "cursor " << console.Cursor().column << ',' << console.Cursor().row << ", queued "
          << memory.QueuedEvents();
    return trace.str();
}

class HandlesFirstTest : public ::testing::TestWithParam<Routine> {
  protected:
    // The last error, which ReportLastError shows, is the same for both runs.
    testing::FakeSystem system_;
    testing::ScopedSystem installed_{system_};
};

TEST_P(HandlesFirstTest, FirstCallFetchesTheHandlesAndThenActsAsAnyLaterCall) {
    EXPECT_EQ(Traced(GetParam(), false), "fetch\nfetch\n" + Traced(GetParam(), true));
}

const char kBytes[] = "dumped";

INSTANTIATE_TEST_SUITE_P(
    EveryRoutine, HandlesFirstTest,
    ::testing::Values(
        Routine{"SetCursorAt", [] { SetCursorAt(3, 4); }},
        Routine{"ApplyTextAttribute", [] { ApplyTextAttribute(0x1E); }},
        Routine{"EmitChar", [] { EmitChar('x'); }}, Routine{"EmitText", [] { EmitText("yz"); }},
        Routine{"PollKey", [] { PollKey(); }, "a"}, Routine{"WaitKey", [] { WaitKey(); }, "a"},
        Routine{"DiscardPendingInput", [] { DiscardPendingInput(); }, "q"},
        Routine{"EmitHexByte", [] { EmitHexByte(1); }},
        Routine{"EmitDecimal", [] { EmitDecimal(1); }},
        Routine{"EmitSigned", [] { EmitSigned(1); }}, Routine{"EmitHex", [] { EmitHex(1); }},
        Routine{"EmitBinary", [] { EmitBinary(1); }}, Routine{"NewLine", [] { NewLine(); }},
        Routine{"ClearConsole", [] { ClearConsole(); }},
        Routine{"QueryScreenSize", [] { static_cast<void>(QueryScreenSize()); }},
        Routine{"QueryTextAttribute", [] { static_cast<void>(QueryTextAttribute()); }},
        Routine{"PromptAnyKey", [] { PromptAnyKey(); }, "a"},
        Routine{"ReadLineInput", [] { ReadLineInput(lineInputBuffer, kLineInputCapacity); },
                "ab\r"},
        Routine{"ReadLineAsUnsigned", [] { static_cast<void>(ReadLineAsUnsigned()); }, "12\r"},
        Routine{"ReadLineAsSigned", [] { static_cast<void>(ReadLineAsSigned()); }, "-3\r"},
        Routine{"ReadLineAsHex", [] { static_cast<void>(ReadLineAsHex()); }, "ff\r"},
        Routine{"ShowConsoleMessageBox", [] { ShowConsoleMessageBox("Go on?", "Box", 0x24); }, "y"},
        Routine{"DumpMemoryBlock", [] { DumpMemoryBlock(kBytes, sizeof kBytes, 1); }},
        Routine{"DumpRegisterSet", [] { DumpRegisterSet(); }},
        Routine{"DumpCallerFrame", [] { DumpCallerFrame(0, 0, 0); }},
        Routine{"ReportLastError", [] { ReportLastError(); }}),
    [](const ::testing::TestParamInfo<Routine>& routine) {
        return std::string(routine.param.name);
    });

}  // namespace
}  // namespace conkit
