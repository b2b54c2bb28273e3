// The bytes of an input that is read as bytes rather than as a console's
// key events: a terminal, a file or a pipe. Taking them never waits; a host
// that must wait for more does so in its own way (the terminal host with
// its signals serviced) and then takes them again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace conkit::host {

class ByteSource {
  public:
    // When nothing is buffered, takes what has arrived without waiting for
    // more. Returns the bytes buffered.
    virtual std::span<const std::uint8_t> FillReady() = 0;
    // Drops the first count of the bytes buffered.
    virtual void Consume(std::size_t count) = 0;
    // True once a read found the end of the input.
    virtual bool Ended() const = 0;

  protected:
    ~ByteSource() = default;
};

}  // namespace conkit::host
