// What a complete CSI or SS3 sequence from the terminal means: a key, a
// reply to one of the host's queries, or nothing. Sequences this keyboard
// has no key for, and malformed ones, give nothing.
//   CSI ? flags u    kitty keyboard protocol flags (reply to CSI ? u)
//   CSI ? ... c      primary device attributes (reply to CSI c)
//   CSI ? m;s $ y    a DEC private mode's state (reply to CSI ? m $ p)
//   CSI row;col R    cursor position (reply to CSI 6 n), when one is awaited
//   CSI ... u        kitty keyboard protocol key
//   CSI ... _        win32-input-mode key
//   CSI 27;m;code ~  xterm modifyOtherKeys key
//   CSI Z            Shift+Tab
//   the classic forms of legacy_keys.hpp with "1;modifiers[:event]"
//   the forms of rxvt-unicode (rxvt_keys.hpp) and st (st_keys.hpp)
#pragma once

#include <cstdint>

#include "console/host/decoding/control_sequence.hpp"
#include "console/host/decoding/decoder_sink.hpp"

namespace conkit::host::decoding {

// Reports to sink what the CSI sequence means. kittyTerminal: the terminal
// has answered the kitty keyboard query, so its bare CSI P is F1.
void ReportCsi(const ControlSequence& sequence, bool kittyTerminal, DecoderSink& sink);

// Reports to sink the key of the SS3 sequence; parameters, where present,
// end with the modifiers.
void ReportSs3(const ControlSequence& sequence, DecoderSink& sink);

// Reports to sink the key of the Linux console's CSI [ letter.
void ReportLinuxConsoleKey(std::uint8_t letter, DecoderSink& sink);

}  // namespace conkit::host::decoding
