// The blanks that the number parsers skip and the message box breaks its
// text at: space and tab.
#pragma once

namespace conkit {

inline bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

}  // namespace conkit
