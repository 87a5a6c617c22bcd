#pragma once

namespace zorvel {

// The form in which results are shown, beside the places: the rectangular
// a+bi as the arithmetic writes it (the default), the polar r∠φ° that
// engineers read, or, exactly, reduced fractions; the imaginary unit i, or j
// written before the number as engineers write it; and, exactly, significant
// digits in place of decimal places.
enum class NumberForm { Rectangular, Polar, Fraction };
enum class ImaginaryUnit { I, J };

struct ShownForm {
  NumberForm form = NumberForm::Rectangular;
  ImaginaryUnit unit = ImaginaryUnit::I;
  bool significant = false;

  [[nodiscard]] bool IsDefault() const {
    return form == NumberForm::Rectangular && unit == ImaginaryUnit::I && !significant;
  }
  friend bool operator==(const ShownForm&, const ShownForm&) = default;
};

}  // namespace zorvel
