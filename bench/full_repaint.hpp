// A full-screen program's frames: every cell of the screen repainted cell by
// cell (the attribute once a row, then a placement and one character for
// each cell), then a 1 ms pause, as a board game or a viewer that redraws
// everything would. The same frames through the terminal host and through
// ncurses (attrset, mvaddch, refresh, napms), at 80x24 and 200x60: the CPU
// of 20 frames, and the write(2) calls and bytes of a frame.
#pragma once

namespace conkit::bench {

// Prints the comparison as a table and its ratios.
void CompareFullRepaint();

}  // namespace conkit::bench
