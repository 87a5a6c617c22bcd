#include "ExactEntries.h"

#include "ExactMatrix.h"
#include "ExactSteps.h"
#include "ExactWriting.h"
#include "ShownForms.h"

namespace zorvel {

std::string WriteExactEntry(const ExactComplex& value, int places, EntryUse use, const ShownForm& form) {
  if (use == EntryUse::Result) return WriteShown(form, places, value);
  if (value.notANumber) return ExactValueText(ExactValue::NotANumber());
  // Over one common denominator, as the steps write fractions.
  mpz_class denominator;
  mpz_lcm(denominator.get_mpz_t(), value.re.get_den_mpz_t(), value.im.get_den_mpz_t());
  const mpz_class re = value.re.get_num() * (denominator / value.re.get_den());
  const mpz_class im = value.im.get_num() * (denominator / value.im.get_den());
  return ExactValueText(ExactValue{re, im, denominator, false});
}

}  // namespace zorvel
