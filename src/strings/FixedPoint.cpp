#include "FixedPoint.h"

#include <cmath>

#include "FloatError.h"
#include "Messages.h"

namespace zorvel {
namespace {

static_assert(sizeof(long double) >= 10 && __LDBL_MANT_DIG__ == 64,
              "the texts depend on 80-bit extended precision (x87 long double)");

constexpr std::uint32_t kPowersOfTen[10] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
constexpr std::int64_t kTwoTo31 = 2147483648;
constexpr double kTwoTo63 = 9223372036854775808.0;
// How far below half a unit a remainder still rounds up: the 10^-6 of a unit
// by which a decimal tie's binary form may fall short of the half.
constexpr long double kTieBand = 1e-6L;

// Rounds to the nearest integer, ties to even, in the default rounding mode:
// one x87 instruction, where a library call would cost more than the rest.
std::int64_t RoundHalfEven(long double x) {
  std::int64_t result;
  asm("fistpll %0" : "=m"(result) : "t"(x) : "st");
  return result;
}

// Writes the digits of n right-aligned into buffer[0, width) with leading
// zeros; returns the start of the significant digits.
char* WriteDigits(char* bufferEnd, std::uint32_t n, int minWidth) {
  char* p = bufferEnd;
  do {
    *--p = static_cast<char>('0' + n % 10);
    n /= 10;
    --minWidth;
  } while (n != 0 || minWidth > 0);
  return p;
}

// Inlined into both callers, so that a value read back is computed without
// the rounded number ever leaving the registers.
[[gnu::always_inline]] inline FixedPoint Rounded(int places, double x) {
  if (places < 0) places = 0;
  if (places > 9) places = 9;
  FixedPoint number;
  number.places = places;
  const bool negative = x < std::fabs(x);  // -0.0 is not negative
  const double a = std::fabs(x);
  if (!(a < kTwoTo63)) ThrowFloatError(FloatError::Kind::InvalidOperation);

  std::int64_t integerPart = static_cast<std::int64_t>(a);
  if (integerPart >= kTwoTo31) {
    number.tooLarge = true;
    return number;
  }
  // The fraction in units of the last place, in extended precision. The last
  // digit goes up when what follows it is half a unit or more. A decimal tie
  // such as 2,675 is stored just below its half, so a remainder within 10^-6
  // of a unit below the half counts as the half: 2,675 gives 2,68 at 2 places,
  // as the written number asks, while 0,24645 gives 0,246 at 3. Adding that
  // band before rounding to the nearest integer does both in one step.
  const std::int64_t scale = kPowersOfTen[places];
  const long double fraction =
      static_cast<long double>(a) * static_cast<long double>(scale) - static_cast<long double>(integerPart * scale);
  std::int64_t units = RoundHalfEven(fraction + kTieBand);
  if (units == scale) {  // the fraction rounded up to a whole unit
    ++integerPart;
    units = 0;
    if (integerPart >= kTwoTo31) {  // a carry never wraps into a negative number
      number.tooLarge = true;
      return number;
    }
  }
  number.integerPart = static_cast<std::uint32_t>(integerPart);
  number.units = static_cast<std::uint32_t>(units);
  number.minus = negative && (integerPart != 0 || units != 0);
  return number;
}

}  // namespace

FixedPoint RoundFixedPoint(int places, double x) { return Rounded(places, x); }

void AppendFixedPoint(ShortText& out, const FixedPoint& number, bool stripZeros) {
  if (number.tooLarge) {
    out.append(kTooLargeNumber);
    return;
  }
  char buffer[24];
  char* const end = buffer + sizeof buffer;
  // The fraction has exactly `places` digits (one, 0, at no places).
  char* fractionEnd = end;
  char* const fraction = WriteDigits(end, number.units, number.places > 0 ? number.places : 1);
  if (stripZeros) {
    while (fractionEnd != fraction && fractionEnd[-1] == '0') --fractionEnd;
  }
  char* p = fraction;
  if (fractionEnd != fraction || !stripZeros) *--p = ',';
  p = WriteDigits(p, number.integerPart, 1);
  if (number.minus) *--p = '-';
  out.append(std::string_view(p, static_cast<std::size_t>(fractionEnd - p)));
}

// The text's trailing zeros, which reading it drops, divide the whole number
// and the power of ten alike: the quotient is the same number, rounded once
// the same way, so they are never counted off. Both operands are exact in
// extended precision (below 2^62 and at most 10^9).
double RoundedValue(int places, double x) {
  const FixedPoint number = Rounded(places, x);
  if (number.tooLarge) return __builtin_nan("");
  const std::int64_t scale = kPowersOfTen[number.places];
  const std::int64_t whole = std::int64_t{number.integerPart} * scale + number.units;
  const long double value = static_cast<long double>(whole) / static_cast<long double>(scale);
  return RoundToDouble(number.minus ? -value : value);
}

}  // namespace zorvel
