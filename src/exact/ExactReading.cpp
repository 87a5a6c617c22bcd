#include "ExactReading.h"

#include <string>

#include "ComplexText.h"
#include "NumberText.h"

namespace zorvel {
namespace {

// Numbers below 10^-kSmallest read as 0: their digits would only make every
// result slower, never change a shown digit of a number the hand arithmetic
// can hold.
constexpr std::int64_t kSmallest = 400;

// The exact value of a number text as ScanReal takes it apart.
mpq_class ExactNumber(std::string_view text) {
  const RealScan scan = ScanReal(text);
  std::string digits;
  digits.reserve(scan.integerDigits.size() + scan.fractionDigits.size());
  digits.append(scan.integerDigits).append(scan.fractionDigits);
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  digits.erase(0, first);
  const auto significant = static_cast<std::int64_t>(digits.size());
  if (scan.power + significant < -kSmallest) return 0;

  const mpz_class whole(digits, 10);
  const mpz_class scale = TenToThe(static_cast<unsigned long>(scan.power >= 0 ? scan.power : -scan.power));
  mpq_class value = scan.power >= 0 ? mpq_class(whole * scale) : mpq_class(whole, scale);
  value.canonicalize();
  if (scan.negative) value = -value;
  return value;
}

// Sums the terms of a text exactly, as the reading hands them over.
class ExactSum final : public TermSink {
 public:
  void Term(std::string_view number, bool imaginary) override {
    (imaginary ? value_.im : value_.re) += ExactNumber(number);
  }
  [[nodiscard]] const ExactComplex& Value() const { return value_; }

 private:
  ExactComplex value_;
};

}  // namespace

ExactReading ReadExact(std::string_view text) {
  ExactSum sum;
  const ComplexReading reading = ReadComplex(text, sum);
  ExactReading exact{sum.Value(), reading.whole};
  exact.value.notANumber = IsNotANumber(reading.value);
  return exact;
}

}  // namespace zorvel
