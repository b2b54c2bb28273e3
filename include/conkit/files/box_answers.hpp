// What a message box returns: the button that closed it.
#pragma once

#include <cstdint>

namespace conkit {

inline constexpr std::int32_t kIdOk = 1;
inline constexpr std::int32_t kIdYes = 6;
inline constexpr std::int32_t kIdNo = 7;

// The same values under the Windows names. <windows.h> defines them as
// macros, which then stand for these: unqualified, IDYES and IDNO work
// whichever header comes first, while conkit::kIdYes and conkit::kIdNo
// work everywhere.
#if !defined(IDYES)
inline constexpr std::int32_t IDYES = kIdYes;
#endif
#if !defined(IDNO)
inline constexpr std::int32_t IDNO = kIdNo;
#endif

}  // namespace conkit
