#include "ComplexText.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Decimal.h"
#include "FixedPoint.h"
#include "FloatError.h"
#include "Messages.h"
#include "NumberText.h"
#include "TextOps.h"

namespace zorvel {
namespace {

constexpr std::size_t npos = std::string_view::npos;

double AddParts(double tail, double head) {
  return RoundToDouble(static_cast<long double>(tail) + static_cast<long double>(head));
}

// The first position at or after a start that only moves forward, of one
// character in s[.., limit): the scans of a whole reading add up to one pass
// over the text.
class NextOf {
 public:
  NextOf(std::string_view s, char c, std::size_t limit) : s_(s), c_(c), limit_(limit) {}
  std::size_t From(std::size_t from) {
    if (!found_ || pos_ < from) {
      pos_ = from;
      while (pos_ < limit_ && s_[pos_] != c_) ++pos_;
      found_ = true;
    }
    return pos_;
  }

 private:
  std::string_view s_;
  char c_;
  std::size_t limit_;
  std::size_t pos_ = 0;
  bool found_ = false;
};

// The heads met on the way, kept in order; inline for ordinary texts.
class HeadList {
 public:
  void push_back(Complex value) {
    if (size_ < kInline) {
      inline_[size_] = value;
    } else {
      more_.push_back(value);
    }
    ++size_;
  }
  [[nodiscard]] std::size_t size() const { return size_; }
  [[nodiscard]] Complex operator[](std::size_t i) const { return i < kInline ? inline_[i] : more_[i - kInline]; }

 private:
  static constexpr std::size_t kInline = 8;
  Complex inline_[kInline];
  std::vector<Complex> more_;
  std::size_t size_ = 0;
};

// Where a reading notes that some number of the text was not read whole;
// null when nobody asks.
using StoppedFlag = bool*;

Complex ParsePiece(std::string_view s, std::size_t begin, std::size_t end, StoppedFlag stopped, TermSink* sink);

// Reads one number, noting a reading that stopped early, and hands its text
// to the sink, if any.
double ReadNumber(std::string_view text, StoppedFlag stopped, TermSink* sink, bool imaginary) {
  bool here = false;
  double value = 0.0;
  if (sink == nullptr) {
    value = TextToReal(text, stopped != nullptr ? &here : nullptr);
  } else {
    // A sink reads the number its own way: a number the hand reading cannot
    // hold (too many digits, or beyond the double range) is the sink's to judge.
    try {
      value = TextToReal(text, &here);
    } catch (const FloatError&) {
      here = ScanReal(text).stopped;
      sink->NotReadByHand();
    }
  }
  if (here && stopped != nullptr) *stopped = true;
  if (sink != nullptr) sink->Term(text, imaginary);
  return value;
}

// Whether a term's digits read as zero; for a sink, a number the hand reading
// cannot hold is not zero.
bool ReadsAsZero(std::string_view s, const TermSink* sink) {
  if (sink == nullptr) return TextToReal(s) == 0.0;
  try {
    return TextToReal(s) == 0.0;
  } catch (const FloatError&) {
    return false;
  }
}

// One imaginary term: every "I" goes, and a term without a digit of its own
// is the unit ("I" is 1, "-I" is -1, "0I" stays 0). A unit with at most a
// sign is read whole, whatever the reading of the digits put in its place.
double ImaginaryTerm(std::string_view term, StoppedFlag stopped, TermSink* sink) {
  std::string s = DeleteAll("I", term);
  const std::string_view sign = TrimControls(s);
  const bool unitAlone = sign.empty() || sign == "+" || sign == "-";
  const bool noZero = s.find('0') == npos;
  if (ReadsAsZero(s, sink) && noZero && s.find('-') != npos) s = "-1" + s.substr(1);
  if (ReadsAsZero(s, sink) && noZero) s.insert(0, 1, '1');
  return ReadNumber(s, unitAlone ? nullptr : stopped, sink, true);
}

// Reads s[begin, end), which is already upper case. A piece with an "I" and a
// sign after its first character splits into a head and a tail; the value is
// tail + head, the tail's value summed from its own last term backwards. The
// chain of splits is walked in a loop rather than by recursion so that a cell
// of a million characters neither exhausts the stack nor takes quadratic
// time. A head holds no "+", so its own chain splits only at "-" and its
// heads are single terms: the nesting is at most two calls deep.
Complex ParsePiece(std::string_view s, std::size_t begin, std::size_t end, StoppedFlag stopped, TermSink* sink) {
  HeadList heads;
  NextOf nextPlus(s, '+', end), nextMinus(s, '-', end), nextI(s, 'I', end);
  std::size_t firstNonBlank = begin;
  Complex value;
  for (;;) {
    firstNonBlank = std::max(firstNonBlank, begin);
    while (firstNonBlank < end && static_cast<unsigned char>(s[firstNonBlank]) <= 32) ++firstNonBlank;
    if (firstNonBlank >= end) break;  // empty after trimming: 0
    const std::string_view piece = s.substr(begin, end - begin);
    if (nextI.From(begin) >= end) {
      value.re = ReadNumber(piece, stopped, sink, false);
      break;
    }
    const std::size_t plus = nextPlus.From(begin + 1);
    const std::size_t minus = nextMinus.From(begin + 1);
    if (plus >= end && minus >= end) {
      value.im = ImaginaryTerm(piece, stopped, sink);
      break;
    }
    std::size_t headEnd = 0;
    std::size_t tailBegin = 0;
    if (plus < end) {  // a "+" takes precedence, and may be the very first character
      headEnd = s[begin] == '+' ? begin : plus;
      tailBegin = headEnd + 1;
    } else {  // the tail keeps its "-"
      headEnd = minus;
      tailBegin = minus;
    }
    if (end > tailBegin && s[end - 1] == '-') --end;
    heads.push_back(ParsePiece(s, begin, headEnd, stopped, sink));
    begin = tailBegin;
  }
  for (std::size_t i = heads.size(); i-- > 0;) {
    value.re = AddParts(value.re, heads[i].re);
    value.im = AddParts(value.im, heads[i].im);
  }
  return value;
}

// One number of the plain form: digits with at most one point, at least one
// digit and at most 19 (so the whole number is exact in 64 bits).
struct PlainNumber {
  std::uint64_t digits = 0;
  int count = 0;
  int fractionDigits = 0;
};

bool ReadPlainNumber(const char*& p, const char* end, PlainNumber& number) {
  number = {};
  bool point = false;
  for (; p != end; ++p) {
    const char c = *p;
    if (c >= '0' && c <= '9') {
      if (number.count == 19) return false;
      number.digits = number.digits * 10 + static_cast<unsigned>(c - '0');
      ++number.count;
      number.fractionDigits += point ? 1 : 0;
    } else if ((c == ',' || c == '.') && !point) {
      point = true;
    } else {
      break;
    }
  }
  return number.count > 0 || !point;  // a point without digits is not plain
}

// Inlined, as is ReadPlainForm into its two callers: the plain forms are what
// every chained operation reads, and calls would pass extended values through
// memory.
[[gnu::always_inline]] inline double PlainValue(const PlainNumber& number, bool negative) {
  return DecimalValue(static_cast<long double>(number.digits), -number.fractionDigits, negative);
}

bool IsI(char c) { return c == 'i' || c == 'I'; }

// Reads the forms that the arithmetic writes, and their like typed by hand
// ("-12,5", "3-0,25i", "2+i", "-i"), straight from the text; false for any
// other text, which then takes the general way. Both ways give the same
// values, signs of zero included: the general way sums the tail and the head,
// so a part that the other term leaves empty is 0 + part.
[[gnu::always_inline]] inline bool ReadPlainForm(std::string_view text, Complex& value) {
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool negative = p != end && *p == '-';
  if (negative) ++p;
  PlainNumber first;
  if (!ReadPlainNumber(p, end, first)) return false;
  if (p == end) {  // a real number
    if (first.count == 0) return false;
    value = {PlainValue(first, negative), 0.0};
    return true;
  }
  if (IsI(*p)) {  // an imaginary term
    if (p + 1 != end) return false;
    value = {0.0, first.count > 0 ? PlainValue(first, negative) : (negative ? -1.0 : 1.0)};
    return true;
  }
  if (first.count == 0 || (*p != '+' && *p != '-')) return false;
  const bool negativeIm = *p++ == '-';
  PlainNumber second;
  if (!ReadPlainNumber(p, end, second) || p == end || !IsI(*p) || p + 1 != end) return false;
  const double im = second.count > 0 ? PlainValue(second, negativeIm) : (negativeIm ? -1.0 : 1.0);
  value = {0.0 + PlainValue(first, negative), im + 0.0};
  return true;
}

}  // namespace

namespace {

// The general way, for every text not of a plain form; kept out of line so
// that the readers of the plain forms stay small enough to inline their
// arithmetic.
[[gnu::noinline]] Complex ReadGeneral(std::string_view text, StoppedFlag stopped, TermSink* sink) {
  if (text.find(kTooLargeNumber) != npos) {
    if (stopped != nullptr) *stopped = true;
    return kNotANumber;
  }
  // Upper case once; every piece of the reading is a part of this text.
  char onStack[128];
  std::string onHeap;
  char* upper = onStack;
  if (text.size() > sizeof onStack) {
    onHeap.resize(text.size());
    upper = onHeap.data();
  }
  for (std::size_t i = 0; i < text.size(); ++i) upper[i] = UpperCaseCE(text[i]);
  return ParsePiece(std::string_view(upper, text.size()), 0, text.size(), stopped, sink);
}

}  // namespace

// The plain forms are read whole, straight from the text.
Complex ParseComplex(std::string_view text) {
  Complex value;
  if (ReadPlainForm(text, value)) return value;
  return ReadGeneral(text, nullptr, nullptr);
}

ComplexReading ReadComplex(std::string_view text) {
  bool stopped = false;
  Complex value;
  if (!ReadPlainForm(text, value)) value = ReadGeneral(text, &stopped, nullptr);
  return {value, !stopped};
}

// A sink hears every term, so every text takes the general way.
ComplexReading ReadComplex(std::string_view text, TermSink& sink) {
  bool stopped = false;
  const Complex value = ReadGeneral(text, &stopped, &sink);
  return {value, !stopped};
}

namespace {

// Writes the text: the imaginary part is rounded first, whatever the values.
void Write(int places, const Complex& parts, ShortText& text) {
  const double re = parts.re;
  const double im = parts.im;
  if (std::isnan(re) || std::isnan(im)) {
    text.append(kTooLargeNumber);
    return;
  }
  const FixedPoint imPart = RoundFixedPoint(places, im);
  const bool hasRe = re != 0.0;
  const bool hasIm = im != 0.0;
  const bool unit = im == 1.0 || im == -1.0;  // written as the unit alone; 0,99999 keeps its digit
  const FixedPoint rePart = hasRe ? RoundFixedPoint(places, re) : FixedPoint{};
  // An imaginary part too large to write makes the whole text the message, as
  // a not-a-number part does; never the message twice or followed by "i". A
  // too-large real part alone keeps its place before a written imaginary part.
  if (hasIm && imPart.tooLarge) {
    text.append(kTooLargeNumber);
    return;
  }
  if (hasRe) {
    AppendFixedPoint(text, rePart, true);
    if (hasIm && im != -1.0 && !imPart.minus) text.push_back('+');
  } else if (!hasIm) {
    text.push_back('0');
  }
  if (hasIm) {
    if (im == -1.0) {
      text.push_back('-');
    } else if (!unit) {
      AppendFixedPoint(text, imPart, true);
    }
    text.push_back('i');
  }
}

}  // namespace

// What Write's text reads back as, worked out as Write would: the imaginary
// part rounded first, a part too large to write making the text the message.
// Each part's value comes from RoundedValue, which keeps the rounded number
// in registers: the determinant reads back every step.
Complex ReadBackComplex(int places, const Complex& parts) {
  const double re = parts.re;
  const double im = parts.im;
  if (std::isnan(re) || std::isnan(im)) return kNotANumber;
  const double imValue = RoundedValue(places, im);  // NaN: too large
  const bool hasRe = re != 0.0;
  const bool hasIm = im != 0.0;
  const double reValue = hasRe ? RoundedValue(places, re) : 0.0;
  if ((hasIm && std::isnan(imValue)) || (hasRe && std::isnan(reValue))) return kNotANumber;
  const double imRead = im == 1.0 || im == -1.0 ? im : imValue;  // the unit alone, "i" or "-i"
  if (hasRe && hasIm) return {0.0 + reValue, imRead + 0.0};      // "A+Bi" reads as tail + head
  return {hasRe ? reValue : 0.0, hasIm ? imRead : 0.0};
}

ShortText FormatComplex(int places, double re, double im) {
  ShortText text;
  Write(places, {re, im}, text);
  return text;
}

bool IsZeroComplex(std::string_view text) {
  const Complex value = ParseComplex(text);
  return value.re == 0.0 && value.im == 0.0;
}

}  // namespace zorvel
