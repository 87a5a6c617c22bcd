#include "HandText.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "NumberText.h"

namespace zorvel {
namespace {

// x with `digits` significant digits as a decimal without an exponent where
// the point can hold it ("0,000123…"), else with a positive exponent of no
// sign ("1,5E20"): the general reading splits terms at every sign, so an
// imaginary term may hold none but its own.
std::string Decimal(double x, int digits) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, x);
  // buffer: "[-]d.ddde[+-]xx"
  std::string text(buffer);
  const std::size_t e = text.find('e');
  const int exponent = std::atoi(text.c_str() + e + 1);
  const bool negative = text[0] == '-';
  std::string mantissa = text.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
  mantissa.erase(1, 1);  // the point
  std::string out = negative ? "-" : "";
  if (exponent < 0) {
    out += "0,";
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += mantissa;
  } else if (exponent < static_cast<int>(mantissa.size())) {
    out += mantissa.substr(0, static_cast<std::size_t>(exponent) + 1);
    out += ',';
    out += mantissa.substr(static_cast<std::size_t>(exponent) + 1);
  } else {
    out += mantissa.substr(0, 1);
    out += ',';
    out += mantissa.substr(1);
    while (out.back() == '0') out.pop_back();
    if (out.back() == ',') out.pop_back();
    out += 'E';
    out += std::to_string(exponent);
    return out;
  }
  while (out.back() == '0') out.pop_back();
  if (out.back() == ',') out.pop_back();
  return out;
}

// The shortest text of at most 21 digits that reads back as x; the 17
// digits that name x when none does.
std::string RealText(double x) {
  if (x == 0.0) return std::signbit(x) ? "-0" : "0";
  for (int digits = 1; digits <= 21; ++digits) {
    std::string text = Decimal(x, digits);
    bool stopped = false;
    if (TextToReal(text, &stopped) == x && !stopped) return text;
  }
  return Decimal(x, 17);
}

}  // namespace

std::string HandText(const Complex& value) {
  if (value.im == 0.0) return RealText(value.re);
  std::string im = RealText(value.im);
  if (value.re == 0.0) return im + 'i';
  std::string text = RealText(value.re);
  if (im[0] != '-') text += '+';
  return text + im + 'i';
}

}  // namespace zorvel
