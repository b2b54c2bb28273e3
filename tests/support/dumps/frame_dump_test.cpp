#include "conkit/dumps/frame_dump.hpp"
#include "support/dumps/assembly_target.hpp"

#if CONKIT_DUMPS_IN_ASSEMBLY

#include <gtest/gtest.h>
#if !defined(_WIN32)
#include <pthread.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/dumps/dump_console.hpp"
#include "tests/support/dumps/frame_probe.hpp"

namespace conkit {
namespace {

using testing::AddressHex;
using testing::FrameProbe;

constexpr std::int64_t kSlot = sizeof(std::uintptr_t);
// From the stack top the named entry sees up to the frame base of
// DumpCallerFrame's caller: a frame base and a return address, and the
// arguments of the call: three counts on i386, the home area of four
// register arguments on Windows x64, none with System V on x86-64.
#if defined(__i386__)
constexpr std::uintptr_t kUnnamedEntrySlots = 5;
#elif defined(_WIN32)
constexpr std::uintptr_t kUnnamedEntrySlots = 6;
#else
constexpr std::uintptr_t kUnnamedEntrySlots = 2;
#endif

// Misplaced frame bases: by one slot, and by one more than the unnamed
// entry's slots; on arm64 by whole 16-byte units, as its stack pointer
// moves.
#if defined(__aarch64__)
const std::vector<std::uintptr_t> kMisplacements = {4, 6};
constexpr const char* kFrameBase = "x29";
constexpr const char* kStackTop = "sp";
#else
const std::vector<std::uintptr_t> kMisplacements = {1, kUnnamedEntrySlots + 1};
constexpr const char* kFrameBase = "ebp";
constexpr const char* kStackTop = "esp";
#endif
constexpr const char* kInvalid = "The stack frame is invalid\r\n";

// The dump a golden text stands for, under the heading. Each line is a
// value (ret and base: the return address and the saved frame base the
// frame holds), its offset from the frame base in slots and what it is;
// ebp and esp stand for the frame base and stack top registers.
std::string Golden(const char* heading, const char* text, std::uintptr_t ret, std::uintptr_t base) {
    std::string dump = std::string("Stack Frame ") + heading + "\r\n\r\n";
    std::istringstream lines(text);
    std::string value;
    std::string offset;
    std::string label;
    while (lines >> value >> offset && std::getline(lines, label)) {
        for (const auto& [from, to] : {std::pair{"ebp", kFrameBase}, std::pair{"esp", kStackTop}}) {
            for (std::size_t at = 0; (at = label.find(from, at)) != std::string::npos;
                 at += std::strlen(to)) {
                label.replace(at, 3, to);
            }
        }
        dump += AddressHex(value == "ret" ? ret
                           : value == "base"
                               ? base
                               : static_cast<std::uintptr_t>(std::stoull(value, nullptr, 16))) +
                "  " + kFrameBase + offset[3] +
                std::to_string(std::stoi(offset.substr(4)) * kSlot) + label + "\r\n";
    }
    return dump + "\r\n";
}

std::string Golden(const char* heading, const char* text, const FrameProbe& probe) {
    return Golden(heading, text, probe.returnAddress, probe.savedFrameBase);
}

// Frames with their frame base first: 2 parameters, 1 local, 1 saved
// register; none; 1 parameter, 2 saved registers.
constexpr const char* kFramed211 = R"(7A000002  ebp+3 (parameter)
7A000001  ebp+2 (parameter)
ret  ebp+1 (return address)
base  ebp+0 (saved ebp) <--- ebp
10CA1001  ebp-1 (local variable)
5AFE0001  ebp-2 (saved register) <--- esp
)";
constexpr const char* kBare = R"(ret  ebp+1 (return address)
base  ebp+0 (saved ebp) <--- ebp <--- esp
)";
constexpr const char* kFramed102 = R"(7A000001  ebp+2 (parameter)
ret  ebp+1 (return address)
base  ebp+0 (saved ebp) <--- ebp
5AFE0001  ebp-1 (saved register)
5AFE0002  ebp-2 (saved register) <--- esp
)";
// A frame whose 2 registers were saved before the frame base.
constexpr const char* kRegistersFirst2 = R"(ret  ebp+3 (return address)
5AFE0001  ebp+2 (saved register)
5AFE0002  ebp+1 (saved register)
base  ebp+0 (saved ebp) <--- ebp <--- esp
)";

FrameProbe Shape(std::uintptr_t params, std::uintptr_t locals, std::uintptr_t saved) {
    FrameProbe probe{};
    probe.paramCount = params;
    probe.localCount = locals;
    probe.savedRegCount = saved;
    for (std::size_t i = 0; i < testing::kProbeMaxSlots; ++i) {
        probe.params[i] = 0x7A000001 + i;
        probe.locals[i] = 0x10CA1001 + i;
        probe.saved[i] = 0x5AFE0001 + i;
    }
    return probe;
}

FrameProbe RegistersFirst(std::uintptr_t saved) {
    FrameProbe probe = Shape(0, 0, saved);
    probe.registersFirst = 1;
    return probe;
}

FrameProbe Named(FrameProbe probe, const char* name) {
    probe.named = 1;
    probe.name = name;
    return probe;
}

class FrameDumpTest : public testing::DumpConsoleTest {};

struct FramedCase {
    std::uintptr_t params, locals, saved;
    const char* golden;
};

class FramedLayoutTest : public FrameDumpTest, public ::testing::WithParamInterface<FramedCase> {};

TEST_P(FramedLayoutTest, ListsEverySlotWithItsValueOffsetAndLabel) {
    const auto [params, locals, saved, golden] = GetParam();
    FrameProbe probe = Shape(params, locals, saved);
    testing::BuildProbeFrame(&probe);
    EXPECT_EQ(Written(), Golden("", golden, probe));
}

// Parameters, locals or no saved registers choose the framed layout.
INSTANTIATE_TEST_SUITE_P(Counts, FramedLayoutTest,
                         ::testing::Values(FramedCase{2, 1, 1, kFramed211},
                                           FramedCase{0, 0, 0, kBare},
                                           FramedCase{1, 0, 2, kFramed102}));

TEST_F(FrameDumpTest, RegistersFirstThroughEitherEntry) {
    FrameProbe probe = RegistersFirst(2);
    testing::BuildProbeFrame(&probe);
    EXPECT_EQ(Written(), Golden("", kRegistersFirst2, probe));
    console().ClearTrace();
    probe = Named(RegistersFirst(2), "Worker");
    testing::BuildProbeFrame(&probe);
    EXPECT_EQ(Written(), Golden("for Worker", kRegistersFirst2, probe));
}

TEST_F(FrameDumpTest, EitherFrameBasePositionPassesWhicheverEntryIsUsed) {
    FrameProbe probe = Named(RegistersFirst(2), "Deep");
    probe.extraSlots = kUnnamedEntrySlots;
    testing::BuildProbeFrame(&probe);
    EXPECT_EQ(Written(), Golden("for Deep", kRegistersFirst2, probe));
}

class MisplacedFrameTest : public FrameDumpTest,
                           public ::testing::WithParamInterface<std::uintptr_t> {};

TEST_P(MisplacedFrameTest, RegistersFirstFrameBaseElsewhereIsInvalid) {
    for (const std::uintptr_t named : {0U, 1U}) {
        console().ClearTrace();
        FrameProbe probe = RegistersFirst(2);
        probe.named = named;
        probe.name = "";
        probe.extraSlots = GetParam();
        testing::BuildProbeFrame(&probe);
        EXPECT_EQ(Written(), std::string("Stack Frame \r\n\r\n") + kInvalid) << named;
    }
}

INSTANTIATE_TEST_SUITE_P(ExtraSlots, MisplacedFrameTest, ::testing::ValuesIn(kMisplacements));

TEST_F(FrameDumpTest, FramedLayoutIsNotTestedForItsPosition) {
    FrameProbe probe = Shape(1, 0, 2);
    probe.extraSlots = 3;
    testing::BuildProbeFrame(&probe);
    EXPECT_EQ(Written(), Golden("", kFramed102, probe));
}

TEST_F(FrameDumpTest, EmptyNameGivesTheBareHeading) {
    FrameProbe probe = Named(Shape(0, 0, 0), "");
    testing::BuildProbeFrame(&probe);
    EXPECT_EQ(Written(), Golden("", kBare, probe));
}

TEST_F(FrameDumpTest, MarkerPassedToTheNamedEntryDumpsTheFrameOneStepUp) {
    for (const char* marker : {unnamedFrameMarker, "\x01trailing"}) {
        console().ClearTrace();
        FrameProbe probe = Named(Shape(0, 0, 0), marker);
        testing::BuildProbeFrame(&probe);
        // The body's caller is BuildProbeFrame: its frame is the one shown.
        EXPECT_EQ(Written(),
                  Golden("", kBare, probe.outerReturnAddress, probe.outerSavedFrameBase));
    }
}

__attribute__((noinline)) void DumpOwnFrame(std::uintptr_t* returnAddress,
                                            std::uintptr_t* savedFrameBase) {
    const auto* frameBase = static_cast<const std::uintptr_t*>(__builtin_frame_address(0));
    *returnAddress = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
    *savedFrameBase = frameBase[0];
    DumpCallerFrame(0, 0, 0);
}

TEST_F(FrameDumpTest, CompiledCallerSeesItsReturnAddressAndSavedFrameBase) {
    std::uintptr_t returnAddress = 0;
    std::uintptr_t savedFrameBase = 0;
    DumpOwnFrame(&returnAddress, &savedFrameBase);
    EXPECT_EQ(Written(), Golden("", kBare, returnAddress, savedFrameBase));
}

struct Counts {
    std::uint32_t params, locals, saved;
};

class BeyondTheStackTest : public FrameDumpTest, public ::testing::WithParamInterface<Counts> {};

TEST_P(BeyondTheStackTest, CountsPastTheStackGiveTheInvalidMessageAndReadNothing) {
    const auto [params, locals, saved] = GetParam();
    DumpNamedCallerFrame(params, locals, saved, "Huge");
    EXPECT_EQ(Written(), std::string("Stack Frame for Huge\r\n\r\n") + kInvalid);
}

// Far above and far below any stack, and counts whose offsets would wrap.
INSTANTIATE_TEST_SUITE_P(Counts, BeyondTheStackTest,
                         ::testing::Values(Counts{0x40000000, 0, 0}, Counts{0, 0x40000000, 0},
                                           Counts{0, 0, 0x40000000},
                                           Counts{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF},
                                           Counts{0, 0xFFFFFFFF, 0xFFFFFFFF}));

#if !defined(_WIN32)
// A thread whose stack is a mapping of known bounds with inaccessible pages
// on both sides: a read one slot past either end would fault.
class GuardedStack {
  public:
    explicit GuardedStack(std::size_t size) : size_(size) {
        page_ = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        void* whole =
            ::mmap(nullptr, size_ + 2 * page_, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (whole != MAP_FAILED) {
            whole_ = static_cast<char*>(whole);
            ::mprotect(whole_ + page_, size_, PROT_READ | PROT_WRITE);
        }
    }
    ~GuardedStack() {
        if (whole_ != nullptr) {
            ::munmap(whole_, size_ + 2 * page_);
        }
    }
    GuardedStack(const GuardedStack&) = delete;
    GuardedStack& operator=(const GuardedStack&) = delete;

    std::uintptr_t Low() const { return reinterpret_cast<std::uintptr_t>(whole_ + page_); }
    std::uintptr_t High() const { return Low() + size_; }

    // Runs body on a thread of its own with this stack; false if it could
    // not start.
    template <typename Body>
    bool Run(Body& body) {
        pthread_attr_t attributes;
        pthread_attr_init(&attributes);
        pthread_attr_setstack(&attributes, whole_ + page_, size_);
        pthread_t thread;
        const bool started = whole_ != nullptr &&
                             pthread_create(&thread, &attributes, &Trampoline<Body>, &body) == 0;
        pthread_attr_destroy(&attributes);
        if (started) {
            pthread_join(thread, nullptr);
        }
        return started;
    }

  private:
    template <typename Body>
    static void* Trampoline(void* body) {
        (*static_cast<Body*>(body))();
        return nullptr;
    }

    std::size_t size_;
    std::size_t page_ = 0;
    char* whole_ = nullptr;
};

// Dumps its own frame with the given counts, after storing its frame base.
__attribute__((noinline)) void DumpWithCounts(std::uintptr_t* frameBase, Counts counts) {
    *frameBase = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
    DumpCallerFrame(counts.params, counts.locals, counts.saved);
}

std::size_t CountOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

class StackEdgeTest : public FrameDumpTest {
  protected:
    void SetUp() override {
        FrameDumpTest::SetUp();
        DumpOnGuardedStack({0, 0, 0});
        if (frameBase_ < stack_.Low() || frameBase_ >= stack_.High()) {
            GTEST_SKIP() << "the thread did not run on the stack it was given (qemu-user)";
        }
    }

    // The output of a dump with the given counts on the guarded stack.
    std::string DumpOnGuardedStack(Counts counts) {
        console().ClearTrace();
        auto body = [&] { DumpWithCounts(&frameBase_, counts); };
        EXPECT_TRUE(stack_.Run(body));
        return Written();
    }

    // How many slots fit above and below the frame base that DumpWithCounts
    // has on the guarded stack.
    std::uint32_t SlotsAbove() {
        DumpOnGuardedStack({0, 0, 0});
        return static_cast<std::uint32_t>((stack_.High() - frameBase_) / kSlot);
    }
    std::uint32_t SlotsBelow() {
        DumpOnGuardedStack({0, 0, 0});
        return static_cast<std::uint32_t>((frameBase_ - stack_.Low()) / kSlot);
    }

    GuardedStack stack_{64 * 1024};
    std::uintptr_t frameBase_ = 0;
};

TEST_F(StackEdgeTest, ParametersReachingTheLastSlotAreDumpedAndOneMoreIsInvalid) {
    // The highest parameter sits two slots above the frame base's count.
    const std::uint32_t fit = SlotsAbove() - 2;
    const std::string last = DumpOnGuardedStack({fit, 0, 0});
    EXPECT_EQ(CountOf(last, " (parameter)\r\n"), fit);
    EXPECT_EQ(CountOf(last, "invalid"), 0U);
    EXPECT_EQ(DumpOnGuardedStack({fit + 1, 0, 0}), std::string("Stack Frame \r\n\r\n") + kInvalid);
}

TEST_F(StackEdgeTest, LocalsReachingTheFirstSlotAreDumpedAndOneMoreIsInvalid) {
    const std::uint32_t fit = SlotsBelow();
    const std::string last = DumpOnGuardedStack({0, fit - 1, 1});
    EXPECT_EQ(CountOf(last, " (local variable)\r\n"), fit - 1);
    EXPECT_EQ(CountOf(last, std::string(" (saved register) <--- ") + kStackTop + "\r\n\r\n"), 1U);
    EXPECT_EQ(DumpOnGuardedStack({0, fit, 1}), std::string("Stack Frame \r\n\r\n") + kInvalid);
}
#endif

}  // namespace
}  // namespace conkit

#endif
