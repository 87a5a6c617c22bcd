#include "ReadingChecks.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include <gmpxx.h>

#include "CellReading.h"
#include "ComplexText.h"
#include "ExactReading.h"
#include "ExactWriting.h"
#include "FuzzCheck.h"
#include "NumberText.h"
#include "ShownForms.h"

namespace zorvel::fuzz {
namespace {

bool SameBits(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

bool SameReading(const ComplexReading& a, const ComplexReading& b) {
  return SameBits(a.value.re, b.value.re) && SameBits(a.value.im, b.value.im) && a.whole == b.whole;
}

// What the hand reading's roundings allow: per part, how many terms and the
// sum of their magnitudes as read. A term whose power of ten lies beyond
// the extended range is read as 0 whatever its digits, with no bound.
class TermBounds final : public TermSink {
 public:
  void Term(std::string_view number, bool imaginary) override {
    Part& part = imaginary ? im_ : re_;
    ++part.terms;
    part.magnitude += std::fabs(TextToReal(number));  // read once already: it cannot fail
    const RealScan scan = ScanReal(number);
    if (!scan.stopped && scan.power < -kExtendedPowers) unbounded_ = true;
  }
  // Every term is read with a relative error below 2^-47 (up to 2^15 digits
  // carried in extended precision, a power, a rounding to double) or an
  // absolute one below 2^-1074; each sum rounds once to double.
  [[nodiscard]] std::optional<mpq_class> Bound(bool imaginary) const {
    const Part& part = imaginary ? im_ : re_;
    if (unbounded_ || !std::isfinite(part.magnitude)) return std::nullopt;
    const mpq_class relative(1, mpz_class(1) << 44), absolute(1, mpz_class(1) << 1000);
    return mpq_class(part.terms + 1) * (relative * mpq_class(part.magnitude) + absolute);
  }

 private:
  static constexpr std::int64_t kExtendedPowers = 4900;
  struct Part {
    int terms = 0;
    double magnitude = 0;
  };
  Part re_, im_;
  bool unbounded_ = false;
};

// No digit at `places` is in doubt: the part and its bound lie well within
// the digits a double carries, and what follows the last digit is not near
// the half, where the hand rounding's tie band (10^-6 of a unit below it)
// and the bound could decide otherwise.
bool Decided(const mpq_class& exact, const mpq_class& bound, int places) {
  mpz_class scale;
  mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(places));
  const mpq_class units = abs(exact) * scale;
  if (units + bound * scale >= mpq_class(100000000)) return false;
  const mpq_class remainder = units - mpz_class(units.get_num() / units.get_den());
  const mpq_class margin = bound * scale + mpq_class(1, 10000000000);
  return remainder < mpq_class(1, 2) - mpq_class(1, 1000000) - margin || remainder > mpq_class(1, 2) + margin;
}

void CheckExactReading(std::string_view text, const Outcome<ComplexReading>& hand, int places) {
  const Outcome<ExactReading> exact = Compute([&] { return ReadExact(text); });
  // Where the hand reading fails, the exact one fails alike, or reads a
  // number with more digits than the hand reading holds.
  if (hand.failed) {
    Check(exact.failed ? exact.kind == hand.kind : exact.value.notByHand);
    return;
  }
  Check(!exact.failed && !exact.value.notByHand);
  Check(exact.value.whole == hand.value.whole);
  Check(exact.value.value.notANumber == IsNotANumber(hand.value.value));
  if (exact.value.value.notANumber) return;

  TermBounds bounds;
  (void)ReadComplex(text, bounds);
  bool decided = true;
  for (const bool imaginary : {false, true}) {
    const std::optional<mpq_class> bound = bounds.Bound(imaginary);
    if (!bound) return;
    const mpq_class& e = imaginary ? exact.value.value.im : exact.value.value.re;
    const double h = imaginary ? hand.value.value.im : hand.value.value.re;
    Check(abs(mpq_class(h) - e) <= *bound);
    decided = decided && Decided(e, *bound, places);
  }
  if (!decided) return;
  const Complex written = ParseComplex(WriteExact(places, exact.value.value));
  const Complex handWritten = ParseComplex(FormatComplex(places, hand.value.value.re, hand.value.value.im));
  Check(written.re == handWritten.re && written.im == handWritten.im);
}

// The cell reading never fails; it keeps the program's own reading of every
// text that reading reads whole; a text it reads in another form gives the
// hand arithmetic a text that reads back as exactly its hand value; and the
// exact value, written in every form of results, reads back whole.
void CheckCellReading(std::string_view text, const Outcome<ComplexReading>& quick, int places) {
  const Outcome<CellReading> cell = Compute([&] { return ReadCell(text, true); });
  Check(!cell.failed);
  const CellReading& reading = cell.value;
  if (!quick.failed && quick.value.whole) {
    Check(reading.form == CellForm::Today && reading.whole && reading.handText.empty());
    Check(SameBits(reading.hand.re, quick.value.value.re) && SameBits(reading.hand.im, quick.value.value.im));
  }
  if (!quick.failed && !quick.value.whole && reading.form == CellForm::NotRead) {
    Check(SameBits(reading.hand.re, quick.value.value.re) && SameBits(reading.hand.im, quick.value.value.im));
  }
  if (reading.form == CellForm::Today || reading.form == CellForm::NotRead || reading.error) return;
  Check(reading.whole && !reading.handText.empty());
  const Outcome<Complex> back = Compute([&] { return ParseComplex(reading.handText); });
  Check(!back.failed && back.value.re == reading.hand.re && back.value.im == reading.hand.im);
  // Written in a form, a value of sensible size reads back whole as a cell.
  const mpq_class largest(mpz_class("1000000000000"));
  if (abs(reading.exact.re) > largest || abs(reading.exact.im) > largest) return;
  for (const ShownForm form : {ShownForm{NumberForm::Polar}, ShownForm{NumberForm::Fraction, ImaginaryUnit::J},
                               ShownForm{NumberForm::Rectangular, ImaginaryUnit::I, true}}) {
    const CellReading shown = ReadCell(WriteShown(form, places, reading.exact), true);
    Check(shown.whole && !shown.error);
    if (form.form == NumberForm::Fraction)
      Check(shown.exact.re == reading.exact.re && shown.exact.im == reading.exact.im);
  }
}

}  // namespace

void CheckReadings(std::string_view text, int places) {
  // Reading fails with the overflow error or not at all.
  const Outcome<ComplexReading> quick = Compute([&] { return ReadComplex(text); });
  Check(!quick.failed || quick.kind == FloatError::Kind::Overflow);
  const Outcome<Complex> parsed = Compute([&] { return ParseComplex(text); });
  Check(parsed.failed == quick.failed);
  if (!quick.failed) {
    Check(SameBits(parsed.value.re, quick.value.value.re) && SameBits(parsed.value.im, quick.value.value.im));
  }

  // The general way, which a sink hears, against the quick one.
  // With a sink, a number the hand reading cannot hold is the sink's to
  // judge: the reading goes on where the quick one fails.
  class Deaf final : public TermSink {
   public:
    void Term(std::string_view, bool) override {}
    void NotReadByHand() override { told = true; }
    bool told = false;
  } deaf;
  const Outcome<ComplexReading> general = Compute([&] { return ReadComplex(text, deaf); });
  if (quick.failed) {
    Check(general.failed ? general.kind == quick.kind : deaf.told);
  } else {
    Check(!general.failed && !deaf.told && SameReading(general.value, quick.value));
  }
  CheckExactReading(text, quick, places);
  CheckCellReading(text, quick, places);
}

}  // namespace zorvel::fuzz
