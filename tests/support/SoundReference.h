#pragma once

#include <string>
#include <vector>

#include <gmpxx.h>

namespace zorvel::testing {

// An independent reference for the rounded arithmetic: exact rationals
// (GMP), rounded by the sound rule (the last digit goes up when what follows
// it is half a unit or more) and written as the program writes complex
// numbers. It shares no code with the program's arithmetic.

struct ExactPair {
  mpq_class re;
  mpq_class im;
};

// A part in the form the program writes: "-12,5", "3", or the too-large
// message for an integer part of 2^31 or more.
struct SoundText {
  std::string text;
  ExactPair rounded;      // the rounded parts, the value the text reads back as
  bool tooLarge = false;  // some part is written as the message
  // Where the program cannot be held to the sound rule: a remainder less than
  // half a unit by 2 x 10^-6 or less (its tie band rounds such a one up, as it
  // must for decimal ties stored just below their half), or a part of
  // 10^(8 - places) or more, beyond the digits a double carries to the last
  // place, or of 2^63 or more, which it cannot write at all.
  bool undecided = false;
};

// `value` rounded to `places` and written, the form decided on the exact
// parts: an imaginary part of exactly 1 or -1 is the unit alone, a zero part
// is left out, a part that only rounds to zero keeps its place ("0+2i").
SoundText WriteSound(int places, const ExactPair& value);

// The exact value of a decimal text as the generator writes them: an
// optional "-", digits, an optional "," and digits; or such a number followed
// by "i"; or two of them joined by "+" or "-" with the second ending in "i".
ExactPair ExactDecimal(const std::string& text);

// The determinant of the square matrix of these decimal texts (row by row),
// expanded in the program's order (the closed forms up to 3 x 3, the rule of
// Sarrus, then along the first column) with every operation done exactly and
// rounded by the sound rule.
SoundText SoundDeterminant(const std::vector<std::string>& cells, int n, int places);

}  // namespace zorvel::testing
