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

[[nodiscard]] inline bool IsNotANumber(const Complex& value) { return value.re != value.re || value.im != value.im; }

// Writes a complex number rounded to `places`: "2+3,5i", "-i", "0+2i", ... A
// NaN part writes the too-large message alone.
ShortText FormatComplex(int places, double re, double im);

// A complex text as the arithmetic writes it, with the value it reads back as
// (exactly what ParseComplex of the text gives, signs of zero included).
struct WrittenComplex {
  ShortText text;
  Complex value;
};

WrittenComplex WriteComplex(int places, const Complex& parts);

// The value that WriteComplex's text reads back as, without writing the text
// (and failing just as writing would), for chains of operations whose
// intermediate texts are never shown.
Complex ReadBackComplex(int places, const Complex& parts);

// True when the text reads as 0 in both parts (the empty text and "5i-5i"
// included); the too-large message is not zero.
bool IsZeroComplex(std::string_view text);

}  // namespace zorvel
