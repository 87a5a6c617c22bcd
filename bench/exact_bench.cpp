// The exact mode's arithmetic alone, on the window's largest inverse and
// solution: dense complex entries with two decimals (such as -3,25+1,5i),
// read from their texts, eliminated exactly, and every result written.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "ExactMatrix.h"
#include "ExactReading.h"

namespace {

using zorvel::ExactMatrix;

std::vector<std::string> DenseTexts(int count, unsigned seed) {
  const auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return std::to_string(static_cast<int>((seed >> 16) % 33) * 25 - 400);  // hundredths
  };
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i) {
    const std::string re = next(), im = next();
    texts.push_back(re + "e-2" + (im[0] == '-' ? "" : "+") + im + "e-2i");
  }
  return texts;
}

ExactMatrix Read(const std::vector<std::string>& texts, int rows, int cols) {
  ExactMatrix matrix{rows, cols, {}};
  for (const std::string& text : texts) matrix.cells.push_back(zorvel::ReadExact(text).value);
  return matrix;
}

void WriteAll(const std::vector<zorvel::ExactValue>& values) {
  for (const auto& value : values) benchmark::DoNotOptimize(zorvel::WriteExact(9, value));
}

void BM_ExactInverse10x10(benchmark::State& state) {
  const std::vector<std::string> texts = DenseTexts(100, 12345);
  for (auto _ : state) {
    const zorvel::ExactInverse inverse = zorvel::InvertExactly(Read(texts, 10, 10), true);
    benchmark::DoNotOptimize(zorvel::WriteExact(9, inverse.determinant));
    benchmark::DoNotOptimize(zorvel::WriteExact(9, *inverse.reciprocal));
    WriteAll(inverse.adjugate);
    WriteAll(inverse.inverse);
  }
}

void BM_ExactSolve10x10By3(benchmark::State& state) {
  const std::vector<std::string> a = DenseTexts(100, 12345), b = DenseTexts(30, 777);
  for (auto _ : state) WriteAll(*zorvel::SolveExactly(Read(a, 10, 10), Read(b, 10, 3)));
}

BENCHMARK(BM_ExactInverse10x10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExactSolve10x10By3)->Unit(benchmark::kMillisecond);

}  // namespace
