// One call each of the operations on complex texts, on typical texts at 3 and
// 9 places: reading, writing, and the four operations that read both texts
// and write the result. They make the shown results, a few calls per cell: a
// keystroke in the largest product makes 4,000 of them (20 x 10 cells of 10
// products and sums), and the inverse 200. The determinants do not read or
// write texts between their steps; determinant_bench times them.
#include <benchmark/benchmark.h>

#include <string>

#include "ComplexArithmetic.h"
#include "ComplexText.h"

namespace {

using zorvel::ShortText;

constexpr const char* kA = "12,345-6,789i";
constexpr const char* kB = "-0,5+2i";
constexpr const char* kA9 = "12,345678912-6,789123456i";

void BM_ParseComplex(benchmark::State& state) {
  const char* text = state.range(0) == 9 ? kA9 : kA;
  for (auto _ : state) benchmark::DoNotOptimize(zorvel::ParseComplex(text));
}

void BM_FormatComplex(benchmark::State& state) {
  const int places = static_cast<int>(state.range(0));
  double re = 12.345678912, im = -6.789123456;
  for (auto _ : state) {
    benchmark::DoNotOptimize(re);
    benchmark::DoNotOptimize(zorvel::FormatComplex(places, re, im));
  }
}

template <ShortText (*Operation)(std::string_view, std::string_view, int)>
void BM_Operation(benchmark::State& state) {
  const int places = static_cast<int>(state.range(0));
  const ShortText a = Operation(places == 9 ? kA9 : kA, "1", places);  // an operand written at these places
  for (auto _ : state) benchmark::DoNotOptimize(Operation(a, kB, places));
}

// A pasted cell of a million characters: 200,000 terms "1+" and an "i".
void BM_ParseComplexMillionCharacters(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "1+";
  text += std::string(600000, ' ') + "i";
  for (auto _ : state) benchmark::DoNotOptimize(zorvel::ParseComplex(text));
}

BENCHMARK(BM_ParseComplex)->Arg(3)->Arg(9);
BENCHMARK(BM_ParseComplexMillionCharacters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatComplex)->Arg(3)->Arg(9);
BENCHMARK(BM_Operation<zorvel::ComplexAdd>)->Name("BM_ComplexAdd")->Arg(3)->Arg(9);
BENCHMARK(BM_Operation<zorvel::ComplexSub>)->Name("BM_ComplexSub")->Arg(3)->Arg(9);
BENCHMARK(BM_Operation<zorvel::ComplexMul>)->Name("BM_ComplexMul")->Arg(3)->Arg(9);
BENCHMARK(BM_Operation<zorvel::ComplexDiv>)->Name("BM_ComplexDiv")->Arg(3)->Arg(9);

}  // namespace
