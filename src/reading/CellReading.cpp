#include "CellReading.h"

#include <string>
#include <unordered_map>

#include "ExactReading.h"
#include "HandText.h"
#include "PolarValue.h"

namespace zorvel {
namespace {

// A number with more digits than the hand reading's extended precision holds
// ("1,000…0001" of 5,000 digits) is still a number below the double range:
// exactly it is that number, by hand the double nearest it, and it is marked.
bool ReadBeyondHandDigits(std::string_view text, CellReading& reading) {
  try {
    const ExactReading exact = ReadExact(text);
    if (!exact.notByHand || !exact.whole) return false;
    reading.miss = CellMiss::TooManyDigits;
    reading.exact = exact.value;
    reading.hand = {NearestDouble(exact.value.re), NearestDouble(exact.value.im)};
    reading.handText = HandText(reading.hand);
    return true;
  } catch (const FloatError&) {
    return false;
  }
}

// Polar cells at angles off the quarter turns are the costly ones (a sine
// and a cosine to 40 digits each): a keystroke changes one cell, so the
// others are taken from what the last readings found. Per thread, so that a
// recalculation in the background reads on its own.
class PolarMemo {
 public:
  const CellReading* Find(std::string_view text) const {
    const auto found = readings_.find(std::string(text));
    return found == readings_.end() ? nullptr : &found->second;
  }
  void Keep(std::string_view text, const CellReading& reading) {
    if (readings_.size() >= kKept) readings_.clear();  // two full matrices of cells fit
    readings_.emplace(std::string(text), reading);
  }

 private:
  static constexpr std::size_t kKept = 1024;
  std::unordered_map<std::string, CellReading> readings_;
};

PolarMemo& Memo() {
  thread_local PolarMemo memo;
  return memo;
}

}  // namespace

CellReading ReadCell(std::string_view text, bool withExact) {
  CellReading reading;
  std::optional<FloatError::Kind> todayError;
  ComplexReading today;
  try {
    today = ReadComplex(text);
  } catch (const FloatError& error) {
    todayError = error.kind();
  }
  if (!todayError && today.whole) {
    reading.hand = today.value;
    if (withExact) reading.exact = ReadExact(text).value;
    return reading;
  }

  if (const CellReading* kept = Memo().Find(text)) return *kept;
  reading.whole = false;
  reading.form = CellForm::NotRead;
  try {
    const FormReading form = ReadNewForm(text);
    if (form.form != CellForm::NotRead) {
      reading.form = form.form;
      reading.whole = true;
      reading.hand = form.hand;
      reading.handText = HandText(form.hand);
      reading.exact = form.exact;
      reading.approximate = form.approximate;
      if (reading.approximate) Memo().Keep(text, reading);
      return reading;
    }
    reading.miss = form.miss;
  } catch (const FloatError&) {
    // A form whose number is beyond the double range is no form: the text is
    // read as the program's own reading reads it, in part or failing as
    // always, and a number the hand reading cannot hold may still be read
    // exactly below.
  }
  if (todayError) {
    if (!ReadBeyondHandDigits(text, reading)) reading.error = todayError;
    return reading;
  }
  reading.hand = today.value;
  if (withExact) reading.exact = ReadExact(text).value;
  return reading;
}

std::string_view MissReason(CellMiss miss) {
  switch (miss) {
    case CellMiss::ZeroDivision: return "delenie nulou";
    case CellMiss::Polar: return "ne\xFApln\xFD pol\xE1rny tvar";
    case CellMiss::Fraction: return "ne\xFApln\xFD zlomok";
    case CellMiss::BothUnits: return "i aj j v jednom \xE8\xEDsle";
    case CellMiss::TooManyDigits:
      return "m\xE1 viac \xE8\xEDslic, ako sa d\xE1 pri po\xE8\xEDtan\xED ako na papieri pre\xE8\xEDta\x9D";
    case CellMiss::None: break;
  }
  return {};
}

}  // namespace zorvel
