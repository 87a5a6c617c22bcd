#include "NumberText.h"

#include <array>
#include <cmath>

#include "Decimal.h"
#include "FixedPoint.h"
#include "FloatError.h"
#include "Messages.h"
#include "TextOps.h"

namespace zorvel {
namespace {

constexpr double kTwoTo63 = 9223372036854775808.0;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Appends decimal digits to a whole number. The number is exact in 64 bits
// for the first 19 digits, and extended precision would hold it exactly too,
// so integers carry it that far and extended precision takes over after.
// Digits beyond the extended range are the overflow error the moment the
// number becomes infinite, as any extended result that does: never an
// infinity carried on into infinity / infinity.
class DigitAccumulator {
 public:
  void Add(int digit) {
    if (count_ < 19) {
      exact_ = exact_ * 10 + static_cast<std::uint64_t>(digit);
    } else {
      if (count_ == 19) extended_ = static_cast<long double>(exact_);
      extended_ = extended_ * 10.0L + digit;
      if (std::isinf(extended_)) ThrowFloatError(FloatError::Kind::Overflow);
    }
    ++count_;
  }
  [[nodiscard]] long double Value() const { return count_ <= 19 ? static_cast<long double>(exact_) : extended_; }

 private:
  std::uint64_t exact_ = 0;
  long double extended_ = 0.0L;
  std::int64_t count_ = 0;
};

}  // namespace

ShortText RealToText(int places, double x) {
  ShortText text;
  AppendFixedPoint(text, RoundFixedPoint(places, x), false);
  return text;
}

std::string StripZeros(std::string_view text) {
  while (text.size() >= 2 && text[0] == '0' && text[1] != ',') text.remove_prefix(1);
  const bool exponentForm = text.find('E') != std::string_view::npos || text.find("10^") != std::string_view::npos;
  if (!exponentForm && text.find(',') != std::string_view::npos) {
    while (text.size() >= 2 && (text.back() == '0' || text.back() == ' ')) text.remove_suffix(1);
  }
  if (text.size() >= 2 && text.back() == ',') text.remove_suffix(1);
  return std::string(text);
}

double TextToReal(std::string_view text) { return TextToReal(text, nullptr); }

namespace {

// Reads an "E", an optional sign and digits at p, moving p past them. With
// no digit p stays on the "E", which does not fit, and the exponent is 0.
std::int64_t ReadExponent(const char*& p, const char* end) {
  std::int64_t exponent = 0;
  if (p == end || (*p != 'E' && *p != 'e')) return exponent;
  const char* q = p + 1;
  bool negativeExponent = false;
  if (q != end && (*q == '+' || *q == '-')) {
    negativeExponent = *q == '-';
    ++q;
  }
  if (q == end || !IsDigit(*q)) return exponent;
  for (; q != end && IsDigit(*q); ++q) {
    if (exponent < 100000000) exponent = exponent * 10 + (*q - '0');
  }
  p = q;
  return negativeExponent ? -exponent : exponent;
}

}  // namespace

RealScan ScanReal(std::string_view text) {
  RealScan scan;
  // The first comma is the decimal point; a later comma ends the reading.
  const std::size_t comma = text.find(',');
  const char* const begin = text.data();
  const auto isPoint = [&](const char* p) { return *p == '.' || static_cast<std::size_t>(p - begin) == comma; };

  const std::string_view trimmed = TrimControls(text);
  const char* p = trimmed.data();
  const char* const end = p + trimmed.size();

  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
    if (p == end) {  // a sign with nothing after it does not fit
      scan.stopped = true;
      return scan;
    }
  }
  // All digits, those after the point included, form one whole number.
  const char* const integerBegin = p;
  while (p != end && IsDigit(*p)) ++p;
  scan.integerDigits = std::string_view(integerBegin, static_cast<std::size_t>(p - integerBegin));
  if (p != end && isPoint(p)) {
    const char* const fractionBegin = ++p;
    while (p != end && IsDigit(*p)) ++p;
    scan.fractionDigits = std::string_view(fractionBegin, static_cast<std::size_t>(p - fractionBegin));
  }
  const std::int64_t exponent = ReadExponent(p, end);
  if (p != end) {  // the partial value: digits only, nothing applied
    scan.stopped = true;
    return scan;
  }
  scan.negative = negative;
  scan.power = exponent - static_cast<std::int64_t>(scan.fractionDigits.size());
  return scan;
}

double TextToReal(std::string_view text, bool* stopped) {
  const RealScan scan = ScanReal(text);
  if (stopped != nullptr) *stopped = scan.stopped;
  DigitAccumulator digits;
  for (const char c : scan.integerDigits) digits.Add(c - '0');
  for (const char c : scan.fractionDigits) digits.Add(c - '0');
  const long double whole = digits.Value();
  if (scan.stopped) return RoundToDouble(whole);
  return DecimalValue(whole, scan.power, scan.negative);
}

namespace {

struct IntReading {
  std::uint32_t value = 0;  // what was accumulated, as the 32-bit register holds it
  bool complete = false;    // the whole text was read without overflow
  bool negative = false;
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Moves p past a "$", "x" or "0x" that marks hexadecimal digits.
bool SkipHexPrefix(const char*& p, const char* end) {
  if (p != end && (*p == '$' || *p == 'x' || *p == 'X')) {
    ++p;
    return true;
  }
  if (end - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
    p += 2;
    return true;
  }
  return false;
}

IntReading ReadInt(std::string_view text) {
  IntReading reading;
  const std::string_view trimmed = TrimControls(text);
  const char* p = trimmed.data();
  const char* const end = p + trimmed.size();
  if (p != end && (*p == '+' || *p == '-')) {
    reading.negative = *p == '-';
    ++p;
  }
  const bool hex = SkipHexPrefix(p, end);
  if (p == end) return reading;  // no digit at all
  std::uint64_t value = 0;
  for (; p != end; ++p) {
    const int digit = hex ? HexDigit(*p) : (IsDigit(*p) ? *p - '0' : -1);
    if (digit < 0 || value > (hex ? 268435455u : 214748364u)) {
      reading.value = static_cast<std::uint32_t>(value);
      return reading;
    }
    value = value * (hex ? 16u : 10u) + static_cast<unsigned>(digit);
  }
  reading.value = static_cast<std::uint32_t>(value);
  if (hex) {
    reading.negative = false;
    reading.complete = true;
  } else {
    // The sign fits from -2147483648 up to 2147483647.
    reading.complete = value <= (reading.negative ? 2147483648u : 2147483647u);
  }
  return reading;
}

}  // namespace

std::int64_t TextToInt(std::string_view text) {
  const IntReading reading = ReadInt(text);
  std::uint32_t bits = reading.value;
  if (reading.complete && reading.negative) bits = 0u - bits;
  return static_cast<std::int32_t>(bits);
}

std::optional<std::int32_t> TryTextToInt(std::string_view text) {
  const IntReading reading = ReadInt(text);
  if (!reading.complete) return std::nullopt;
  return static_cast<std::int32_t>(TextToInt(text));
}

std::string IntToText(std::int64_t n) { return std::to_string(n); }

std::string RealToDigits(double x) {
  if (!(std::fabs(x) < kTwoTo63)) throw FloatError(FloatError::Kind::InvalidOperation);
  const double integerPart = std::trunc(x);
  std::string text = IntToText(static_cast<std::int64_t>(integerPart));
  text += '.';
  double y = std::fabs(x - integerPart);
  // Count the zeros that open the fraction, then shift it into a whole number.
  while (y != std::trunc(y)) {
    if (std::trunc(y) == std::trunc(static_cast<long double>(y) * 10.0L)) text += '0';
    y = static_cast<double>(static_cast<long double>(y) * 10.0L);
  }
  text += IntToText(static_cast<std::int64_t>(y));
  return text;
}

double PowerOf(std::int64_t n, double x) {
  if (n <= 0) return 1.0;
  double result = x;
  for (std::int64_t i = 1; i < n; ++i) {
    result = RoundToDouble(static_cast<long double>(result) * x);
  }
  return result;
}

}  // namespace zorvel
