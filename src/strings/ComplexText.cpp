#include "ComplexText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

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

Complex ParsePiece(std::string_view s, std::size_t begin, std::size_t end);

// One imaginary term: every "I" goes, and a term without a digit of its own
// is the unit ("I" is 1, "-I" is -1, "0I" stays 0).
double ImaginaryTerm(std::string_view term) {
  std::string s = DeleteAll("I", term);
  const bool noZero = s.find('0') == npos;
  if (TextToReal(s) == 0.0 && noZero && s.find('-') != npos) s = "-1" + s.substr(1);
  if (TextToReal(s) == 0.0 && noZero) s.insert(0, 1, '1');
  return TextToReal(s);
}

// Reads s[begin, end), which is already upper case. A piece with an "I" and a
// sign after its first character splits into a head and a tail; the value is
// tail + head, the tail's value summed from its own last term backwards. The
// chain of splits is walked in a loop rather than by recursion so that a cell
// of a million characters neither exhausts the stack nor takes quadratic
// time. A head holds no "+", so its own chain splits only at "-" and its
// heads are single terms: the nesting is at most two calls deep.
Complex ParsePiece(std::string_view s, std::size_t begin, std::size_t end) {
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
      value.re = TextToReal(piece);
      break;
    }
    const std::size_t plus = nextPlus.From(begin + 1);
    const std::size_t minus = nextMinus.From(begin + 1);
    if (plus >= end && minus >= end) {
      value.im = ImaginaryTerm(piece);
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
    heads.push_back(ParsePiece(s, begin, headEnd));
    begin = tailBegin;
  }
  for (std::size_t i = heads.size(); i-- > 0;) {
    value.re = AddParts(value.re, heads[i].re);
    value.im = AddParts(value.im, heads[i].im);
  }
  return value;
}

}  // namespace

Complex ParseComplex(std::string_view text) {
  if (text.find(kTooLargeNumber) != npos) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan};
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
  return ParsePiece(std::string_view(upper, text.size()), 0, text.size());
}

ShortText FormatComplex(int places, double re, double im) {
  if (std::isnan(re) || std::isnan(im)) return ShortText(kTooLargeNumber);
  // The imaginary part is written first, whatever the values.
  const ShortText imWritten = RealToText(places, im);
  std::string_view imText = StripZerosView(imWritten);
  if (im == 1.0) imText = {};
  if (im == -1.0) imText = "-";
  const bool plusBeforeIm = re != 0.0 && (imText.empty() || imText.front() != '-');

  ShortText result;
  if (re == 0.0 && im != 0.0) {
    result.append(imText);
    result.push_back('i');
    return result;
  }
  const ShortText reWritten = RealToText(places, re);
  result.append(StripZerosView(reWritten));
  if (im == 0.0) return result;
  if (plusBeforeIm) result.push_back('+');
  result.append(imText);
  result.push_back('i');
  return result;
}

bool IsZeroComplex(std::string_view text) {
  const Complex value = ParseComplex(text);
  return value.re == 0.0 && value.im == 0.0;
}

}  // namespace zorvel
