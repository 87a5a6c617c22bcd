#pragma once

namespace zorvel {

// Characters that engineers type into cells but Windows-1250 cannot write.
// The core keeps them in bytes that the code page leaves unassigned, so a cell
// stays one byte string and the conversion to and from Qt's Unicode maps them
// at the one boundary where every text crosses.
inline constexpr char kAngleSign = '\x81';           // U+2220 "∠", of the polar form r∠φ
inline constexpr char kGreekMu = '\x83';             // U+03BC "μ", the micro prefix as Greek keyboards type it
inline constexpr char kNarrowNoBreakSpace = '\x88';  // U+202F, between digit groups
inline constexpr char kMicroSign = '\xB5';           // U+00B5 "µ", in the code page itself
inline constexpr char kDegreeSign = '\xB0';          // U+00B0 "°", in the code page itself
inline constexpr char kNoBreakSpace = '\xA0';        // U+00A0, in the code page itself

}  // namespace zorvel
