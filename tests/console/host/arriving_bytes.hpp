// A byte source whose bytes arrive in the given pieces, one piece per look
// once the last is used up; an empty piece is a look that finds nothing
// yet. The input ends after the last piece when told to.
#pragma once

#include <deque>
#include <string>

#include "console/host/byte_source.hpp"

namespace conkit::host::testing {

class ArrivingBytes final : public ByteSource {
  public:
    void Arrive(const std::string& piece) { pieces_.push_back(piece); }
    void EndAfterwards() { endAfterwards_ = true; }

    std::span<const std::uint8_t> FillReady() override {
        if (buffered_.empty() && !pieces_.empty()) {
            buffered_ = pieces_.front();
            pieces_.pop_front();
        } else if (buffered_.empty() && endAfterwards_) {
            ended_ = true;
        }
        return {reinterpret_cast<const std::uint8_t*>(buffered_.data()), buffered_.size()};
    }
    void Consume(std::size_t count) override { buffered_.erase(0, count); }
    bool Ended() const override { return ended_; }

  private:
    std::deque<std::string> pieces_;
    std::string buffered_;
    bool endAfterwards_ = false;
    bool ended_ = false;
};

}  // namespace conkit::host::testing
