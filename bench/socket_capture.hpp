// A connected pair of packet sockets stands in for the terminal: every
// write(2) to one end arrives as one packet at the other, so both the bytes
// and the number of writes can be counted.
#pragma once

#include "bench/output_breakdown.hpp"

namespace conkit::bench {

// Takes every packet waiting on fd and sorts its bytes.
OutputBreakdown DrainWrites(int fd);

}  // namespace conkit::bench
