#include "console/host/terminal/sgr.hpp"

namespace conkit::host::terminal {
namespace {

// Collects parameters and writes them as one CSI ... m.
class SgrBuilder {
  public:
    explicit SgrBuilder(TerminalWriter& out) : out_(out) {}

    void Add(std::uint32_t parameter) {
        out_.Append(count_ == 0 ? "\x1b[" : ";", count_ == 0 ? 2 : 1);
        out_.AppendDecimal(parameter);
        ++count_;
    }

    void Finish() {
        if (count_ > 0) {
            out_.Append('m');
        }
    }

  private:
    TerminalWriter& out_;
    int count_ = 0;
};

}  // namespace

void AppendSgrChange(std::uint16_t from, std::uint16_t to, TerminalWriter& out) {
    from = VisibleAttribute(from);
    to = VisibleAttribute(to);
    SgrBuilder sgr(out);
    if (ForegroundParameter(from) != ForegroundParameter(to)) {
        sgr.Add(ForegroundParameter(to));
    }
    if (BackgroundParameter(from) != BackgroundParameter(to)) {
        sgr.Add(BackgroundParameter(to));
    }
    if ((from & kUnderline) != (to & kUnderline)) {
        sgr.Add((to & kUnderline) != 0 ? 4 : 24);
    }
    if ((from & kReverseVideo) != (to & kReverseVideo)) {
        sgr.Add((to & kReverseVideo) != 0 ? 7 : 27);
    }
    sgr.Finish();
}

void AppendSgrReset(std::uint16_t to, TerminalWriter& out) {
    SgrBuilder sgr(out);
    sgr.Add(0);
    if (!TerminalColours(to)) {
        sgr.Add(ForegroundParameter(to));
        sgr.Add(BackgroundParameter(to));
    }
    if ((to & kUnderline) != 0) {
        sgr.Add(4);
    }
    if ((to & kReverseVideo) != 0) {
        sgr.Add(7);
    }
    sgr.Finish();
}

}  // namespace conkit::host::terminal
