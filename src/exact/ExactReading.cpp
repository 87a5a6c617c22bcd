#include "ExactReading.h"

#include <cfloat>
#include <string>

#include "ComplexText.h"
#include "FloatError.h"
#include "NumberText.h"

namespace zorvel {
namespace {

// Sums the terms of a text exactly, as the reading hands them over.
class ExactSum final : public TermSink {
 public:
  void Term(std::string_view number, bool imaginary) override {
    const mpq_class term = ExactDecimal(number);
    if (notByHandNext_ && BeyondDoubleRange(term)) ThrowFloatError(FloatError::Kind::Overflow);
    notByHand_ = notByHand_ || notByHandNext_;
    notByHandNext_ = false;
    (imaginary ? value_.im : value_.re) += term;
  }
  void NotReadByHand() override { notByHandNext_ = true; }
  [[nodiscard]] const ExactComplex& Value() const { return value_; }
  [[nodiscard]] bool NotByHand() const { return notByHand_; }

 private:
  ExactComplex value_;
  bool notByHandNext_ = false;
  bool notByHand_ = false;
};

}  // namespace

mpq_class ExactDecimal(std::string_view number) {
  const RealScan scan = ScanReal(number);
  std::string digits;
  digits.reserve(scan.integerDigits.size() + scan.fractionDigits.size());
  digits.append(scan.integerDigits).append(scan.fractionDigits);
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  digits.erase(0, first);

  const mpz_class whole(digits, 10);
  const mpz_class scale = TenToThe(static_cast<unsigned long>(scan.power >= 0 ? scan.power : -scan.power));
  mpq_class value = scan.power >= 0 ? mpq_class(whole * scale) : mpq_class(whole, scale);
  value.canonicalize();
  if (scan.negative) value = -value;
  return value;
}

bool BeyondDoubleRange(const mpq_class& value) {
  static const mpq_class largest(DBL_MAX);
  return abs(value) > largest;
}

ExactReading ReadExact(std::string_view text) {
  ExactSum sum;
  const ComplexReading reading = ReadComplex(text, sum);
  ExactReading exact{sum.Value(), reading.whole, sum.NotByHand()};
  exact.value.notANumber = IsNotANumber(reading.value);
  return exact;
}

}  // namespace zorvel
