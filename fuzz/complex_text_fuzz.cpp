// Bytes as cell texts: the first byte gives the places (2 to 9), the rest is
// a cell, and the two operands are what stands before and after its first
// newline. The cell is read in every way (ReadingChecks.h) and written back,
// the operands are put through the four operations. Reading may fail only
// with the overflow error, the operations only with floating-point errors,
// and whatever is written must read back whole and without error as
// exactly the value that the chains of operations carry. With the first
// byte's bits 3 to 5 all set, the cell is a text repeated, up to the
// longest a cell holds (32,767 characters).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "FloatError.h"
#include "Messages.h"
#include "NumberText.h"
#include "ReadingChecks.h"
#include "TextOps.h"

#ifdef NDEBUG
#error "the fuzz targets need the asserts of the libraries they test"
#endif

namespace {

using namespace zorvel;

// The longest text a cell holds.
constexpr std::size_t kLongestCell = 32767;

bool SameBits(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

// What the arithmetic writes reads back whole (the message aside) and without
// error, as the value that ReadBackComplex gives for the same parts; writing
// and ReadBackComplex fail alike.
void CheckWritten(int places, const Complex& parts) {
  ShortText written;
  try {
    written = FormatComplex(places, parts.re, parts.im);
  } catch (const FloatError& e) {
    try {
      (void)ReadBackComplex(places, parts);
    } catch (const FloatError& same) {
      if (same.kind() == e.kind()) return;
    }
    std::abort();
  }
  try {
    const ComplexReading read = ReadComplex(written);
    const Complex readBack = ReadBackComplex(places, parts);
    const bool message = std::string_view(written).find(kTooLargeNumber) != std::string_view::npos;
    if (SameBits(read.value.re, readBack.re) && SameBits(read.value.im, readBack.im) && read.whole != message) return;
  } catch (const FloatError&) {
  }
  std::abort();
}

// Reading fails with the overflow error or not at all.
template <typename F>
void ReadingGuarded(F&& f) {
  try {
    f();
  } catch (const FloatError& e) {
    if (e.kind() != FloatError::Kind::Overflow) std::abort();
  }
}

template <typename F>
void Guarded(F&& f) {
  try {
    f();
  } catch (const FloatError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int places = 2 + data[0] % 8;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  if (data[0] / 8 % 8 == 7 && size > 2) {
    // A long cell from a short input, for the readings only, whose work
    // grows with the length: the text after the second byte repeated as
    // that byte says, up to the longest a cell holds; 2^0 to 2^7 times for
    // half its values, up to 2^15 times for the other half, so that most
    // runs stay short.
    const std::string_view unit = text.substr(1);
    std::string cell;
    const int power = data[1] < 128 ? data[1] % 8 : data[1] % 16;
    for (int times = 1 << power; times > 0 && cell.size() < kLongestCell; --times) cell.append(unit);
    if (cell.size() > kLongestCell) cell.resize(kLongestCell);
    fuzz::CheckReadings(cell, places);
    ReadingGuarded([&] { CheckWritten(places, ParseComplex(cell)); });
    return 0;
  }
  // The second operand is what follows the first newline, if any.
  const std::size_t newline = text.find('\n');
  const std::string_view a = text.substr(0, newline);
  const std::string_view b = newline == std::string_view::npos ? std::string_view("2-i") : text.substr(newline + 1);

  fuzz::CheckReadings(text, places);
  ReadingGuarded([&] {
    const Complex value = ParseComplex(text);
    CheckWritten(places, value);
  });
  ReadingGuarded([&] { (void)TextToReal(text); });
  for (auto op : {ComplexAddParts, ComplexSubParts, ComplexMulParts, ComplexDivParts}) {
    for (const auto& operands : {std::pair{a, b}, std::pair{b, a}}) {
      Guarded([&] {
        const Complex x = ParseComplex(operands.first);
        const Complex y = ParseComplex(operands.second);
        CheckWritten(places, op(x, y));
      });
    }
  }
  for (auto op : {ComplexAdd, ComplexSub, ComplexMul, ComplexDiv}) {
    Guarded([&] { (void)ParseComplex(op(a, b, places)); });
  }
  (void)TextToInt(text);
  (void)TryTextToInt(text);
  (void)StripZeros(text);
  (void)DeleteAll(b.substr(0, 3), a);
  (void)UpperCaseCE(text);
  return 0;
}
