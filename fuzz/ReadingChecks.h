#pragma once

// The readings of one cell text against each other: ParseComplex, the
// marking ReadComplex (its quick way for the written forms and its general
// way, which tells every term), and the exact reading ReadExact.
#include <string_view>

namespace zorvel::fuzz {

// ReadComplex gives ParseComplex's value, and both of its ways give the same
// value and marking. ReadExact fails exactly when they do, marks the text
// alike, holds no number exactly when they hold none, and lies within what
// the hand reading's roundings allow of its value; where that leaves no
// doubt about a digit at `places`, the exact mode writes the text as the
// hand mode does (compared as the values the texts read back as).
// The cell reading keeps all of that for the texts the program reads whole,
// never fails, and reads its other forms to hand texts that read back as
// their values, and to exact values that every form of results writes back
// readably.
void CheckReadings(std::string_view text, int places);

}  // namespace zorvel::fuzz
