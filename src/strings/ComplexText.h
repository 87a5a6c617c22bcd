#pragma once

#include <string_view>

#include "ShortText.h"

namespace zorvel {

// A complex number as the arithmetic holds it between reading and writing.
struct Complex {
  double re = 0.0;
  double im = 0.0;
};

// Reads any text as a complex number; never rejects one. A text holding the
// too-large message is not a number: both parts are NaN, so that it can never
// pass for a plausible value further on.
Complex ParseComplex(std::string_view text);

// What ParseComplex reads a text as, and whether it read every number of the
// text to its end: false when some reading stopped at a character that does
// not fit ("abc", "1,5.2", "2+3j", "1/2") and took the partial value, or when
// the text holds the too-large message. The empty text is read whole.
struct ComplexReading {
  Complex value;
  bool whole = true;
};
ComplexReading ReadComplex(std::string_view text);

// Hears the numbers of a text as ReadComplex reads them, one term at a time:
// the text of each term's number exactly as TextToReal (ScanReal) reads it,
// and whether the term is imaginary. The value is the sum of the terms, so
// another arithmetic can read every text by the same rules.
class TermSink {
 public:
  virtual void Term(std::string_view number, bool imaginary) = 0;
  // Told, before its Term, of a number that the hand reading cannot hold
  // (too many digits, or beyond the double range): with a sink the reading
  // goes on instead of failing, and the sink decides.
  virtual void NotReadByHand() {}

 protected:
  ~TermSink() = default;
};
// ReadComplex, telling the sink every term; a text holding the too-large
// message tells it none.
ComplexReading ReadComplex(std::string_view text, TermSink& sink);

// What a text holding the too-large message reads as.
inline constexpr Complex kNotANumber{__builtin_nan(""), __builtin_nan("")};

[[nodiscard]] inline bool IsNotANumber(const Complex& value) { return value.re != value.re || value.im != value.im; }

// Writes a complex number rounded to `places`: "2+3,5i", "-i", "0+2i", ... A
// NaN part, or an imaginary part too large to write, writes the too-large
// message alone; a too-large real part takes its place before a written
// imaginary part ("Príliš veľké číslo+2i").
ShortText FormatComplex(int places, double re, double im);

// The value that FormatComplex's text reads back as (exactly what
// ParseComplex of it gives, signs of zero included), without writing the text
// and failing just as writing would: for chains of operations whose
// intermediate texts are never shown.
Complex ReadBackComplex(int places, const Complex& parts);

// True when the text reads as 0 in both parts (the empty text and "5i-5i"
// included); the too-large message is not zero.
bool IsZeroComplex(std::string_view text);

}  // namespace zorvel
