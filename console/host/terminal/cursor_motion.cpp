#include "console/host/terminal/cursor_motion.hpp"

#include "console/host/terminal/decimal_text.hpp"

namespace conkit::host::terminal {
namespace {

// Beyond this many repeated one-byte moves a parameterised sequence is
// always shorter.
constexpr std::uint32_t kLongestRepeat = 5;

void Keep(MotionBytes& best, const MotionBytes& candidate) {
    if (candidate.Fits() && candidate.Length() < best.Length()) {
        best = candidate;
    }
}

// CSI n final, with n left out when it is 1.
MotionBytes Parameterised(std::uint32_t n, char final) {
    MotionBytes bytes;
    bytes.Add("\x1b[", 2);
    if (n != 1) {
        bytes.AddDecimal(n);
    }
    bytes.Add(final);
    return bytes;
}

// n times the byte, or CSI n final when that is shorter.
MotionBytes Repeated(std::uint32_t n, char byte, char final) {
    MotionBytes best = Parameterised(n, final);
    if (n <= kLongestRepeat) {
        MotionBytes repeated;
        for (std::uint32_t i = 0; i < n; ++i) {
            repeated.Add(byte);
        }
        Keep(best, repeated);
    }
    return best;
}

MotionBytes Absolute(Coord to) {
    MotionBytes bytes;
    bytes.Add("\x1b[", 2);
    if (to.row != 0) {
        bytes.AddDecimal(to.row + 1U);
    }
    if (to.column != 0) {
        bytes.Add(';');
        bytes.AddDecimal(to.column + 1U);
    }
    bytes.Add('H');
    return bytes;
}

// From column from to column to, both on row.
MotionBytes Horizontal(std::uint16_t row, std::uint16_t from, std::uint16_t to,
                       const CellRewriter& rewriter) {
    MotionBytes best;
    if (to == from) {
        return best;
    }
    best = Parameterised(to + 1U, 'G');
    if (to < from) {
        Keep(best, Repeated(from - to, '\b', 'D'));
    } else {
        Keep(best, Parameterised(to - from, 'C'));
        MotionBytes rewritten;
        if (rewriter.Rewrite(row, from, to, rewritten)) {
            Keep(best, rewritten);
        }
    }
    MotionBytes fromStart;
    fromStart.Add('\r');
    if (to > 0) {
        MotionBytes rewritten;
        if (rewriter.Rewrite(row, 0, to, rewritten)) {
            fromStart.Append(rewritten);
        } else {
            fromStart.Append(Parameterised(to, 'C'));
        }
    }
    Keep(best, fromStart);
    return best;
}

}  // namespace

void MotionBytes::Add(char byte) {
    if (length_ == kCapacity) {
        fits_ = false;
        return;
    }
    bytes_[length_++] = byte;
}

void MotionBytes::Add(const char* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        Add(bytes[i]);
    }
}

void MotionBytes::AddDecimal(std::uint32_t n) {
    const DecimalText text(n);
    Add(text.Data(), text.Length());
}

MotionBytes PlanMove(std::optional<Coord> from, Coord to, bool lineFeed,
                     const CellRewriter& rewriter) {
    if (from.has_value() && *from == to) {
        return {};
    }
    MotionBytes best = Absolute(to);
    if (!from.has_value()) {
        return best;
    }
    MotionBytes relative;
    if (to.row > from->row) {
        const std::uint32_t down = to.row - from->row;
        relative = lineFeed ? Repeated(down, '\n', 'B') : Parameterised(down, 'B');
    } else if (to.row < from->row) {
        relative = Parameterised(from->row - to.row, 'A');
    }
    relative.Append(Horizontal(to.row, from->column, to.column, rewriter));
    Keep(best, relative);
    return best;
}

MotionBytes PlanMoveInRow(std::optional<std::uint16_t> fromColumn, Coord to,
                          const CellRewriter& rewriter) {
    if (fromColumn.has_value()) {
        return Horizontal(to.row, *fromColumn, to.column, rewriter);
    }
    MotionBytes bytes;
    bytes.Add('\r');
    bytes.Append(Horizontal(to.row, 0, to.column, rewriter));
    return bytes;
}

}  // namespace conkit::host::terminal
