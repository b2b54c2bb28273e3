#include <conkit/conkit.hpp>

#include <compare>

namespace {
void ShowOrder(const char* first, const char* second) {
    const std::strong_ordering order = conkit::CompareText(first, second);
    conkit::EmitText(first);
    conkit::EmitText(order < 0 ? " < " : order > 0 ? " > " : " = ");
    conkit::EmitText(second);
    conkit::NewLine();
}
}  // namespace

int main() {
    ShowOrder("abc", "abd");
    ShowOrder("ab", "abc");
    ShowOrder("a", "A");
    ShowOrder("same", "same");
}

// Screen:
//   abc < abd
//   ab < abc
//   a > A
//   same = same
