// Bytes as a cell text: read, written back and put through the four
// operations. Only the floating-point errors may escape an operation, and
// whatever an operation writes must read back without error.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "FloatError.h"
#include "NumberText.h"
#include "TextOps.h"

namespace {

using namespace zorvel;

void CheckReadsBack(std::string_view written) {
  const Complex value = ParseComplex(written);  // must not throw
  (void)value;
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
  // The second operand is what follows the first newline, if any.
  const std::size_t newline = text.find('\n');
  const std::string_view a = text.substr(0, newline);
  const std::string_view b = newline == std::string_view::npos ? std::string_view("2-i") : text.substr(newline + 1);

  Guarded([&] {
    const Complex value = ParseComplex(text);
    CheckReadsBack(FormatComplex(places, value.re, value.im));
  });
  for (auto op : {ComplexAdd, ComplexSub, ComplexMul, ComplexDiv}) {
    Guarded([&] { CheckReadsBack(op(a, b, places)); });
    Guarded([&] { CheckReadsBack(op(b, a, places)); });
  }
  Guarded([&] { (void)TextToReal(text); });
  (void)TextToInt(text);
  (void)StripZeros(text);
  (void)DeleteAll(b.substr(0, 3), a);
  (void)UpperCaseCE(text);
  return 0;
}
