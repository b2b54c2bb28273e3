// What every host does when a key is awaited and none can come any more: it
// restores what it changed, says so on stderr in one line
// ("<program>: input ended") and ends the process with this status.
#pragma once

namespace conkit::host {

// The exit status when no more keys can come (EX_IOERR).
inline constexpr int kInputEndedStatus = 74;

}  // namespace conkit::host
