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

struct Trace {
    int fetches = 0;
    bool fetchedBeforeUse = true;
    // The other console calls, then the cursor and the keys left queued.
    std::string calls;
};

Trace Traced(const Routine& routine, bool handlesFetched) {
    MemoryConsole console(80, 25);
    auto& memory = static_cast<host::memory::MemoryHost&>(console.Host());
    EXPECT_TRUE(console.TypeText(routine.typed));
    if (handlesFetched) {
        EnsureConsoleReady();
        memory.ClearTrace();
    }
    routine.call();
    Trace trace;
    std::ostringstream calls;
    for (const host::memory::LogEntry& entry : memory.Log()) {
        if (entry.operation == Operation::getStdHandle) {
            ++trace.fetches;
            continue;
        }
        const bool takesHandle =
            entry.operation != Operation::sleep && entry.operation != Operation::exitProcess;
        trace.fetchedBeforeUse = trace.fetchedBeforeUse && (!takesHandle || trace.fetches == 2);
        calls << static_cast<int>(entry.operation) << ' ' << entry.value << " at "
              << entry.position.column << ',' << entry.position.row << '\n';
    }
    calls << "cursor " << console.Cursor().column << ',' << console.Cursor().row << ", queued "
          << memory.QueuedEvents();
    trace.calls = calls.str();
    return trace;
}

class HandlesFirstTest : public ::testing::TestWithParam<Routine> {
  protected:
    // The last error, which ReportLastError shows, is the same for both runs.
    testing::FakeSystem system_;
    testing::ScopedSystem installed_{system_};
};

TEST_P(HandlesFirstTest, FirstCallFetchesTheHandlesAndThenActsAsAnyLaterCall) {
    const Trace first = Traced(GetParam(), false);
    const Trace later = Traced(GetParam(), true);
    EXPECT_EQ(first.fetches, 2);
    EXPECT_TRUE(first.fetchedBeforeUse);
    EXPECT_EQ(later.fetches, 0);
    EXPECT_EQ(first.calls, later.calls);
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
