// The rounded arithmetic against an independent computation: exact rationals
// rounded by the sound rule (SoundReference), on random short decimals.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ComplexArithmetic.h"
#include "Determinant.h"
#include "MessageDisplay.h"
#include "SoundReference.h"

namespace zorvel {
namespace {

using testing::ExactDecimal;
using testing::ExactPair;
using testing::SoundText;
using testing::WriteSound;

const std::string kTooLarge =
    "Pr\xED"
    "li\x9A ve\xBE"
    "k\xE9 \xE8\xED"
    "slo";

// Decimals such as -12,375, 0,5i or 3-0,25i, with at most `integerDigits`
// digits before the comma.
class RandomDecimals {
 public:
  explicit RandomDecimals(unsigned seed) : random_(seed) {}
  std::string Number(int integerDigits) {
    std::string text = Pick(2) == 0 ? "-" : "";
    text += std::to_string(Pick(Power(integerDigits)));
    const int fractionDigits = Pick(4);
    if (fractionDigits > 0) {
      std::string fraction = std::to_string(Pick(Power(fractionDigits)));
      text += "," + std::string(static_cast<std::size_t>(fractionDigits) - fraction.size(), '0') + fraction;
    }
    return text;
  }
  std::string Complex(int integerDigits) {
    switch (Pick(3)) {
      case 0: return Number(integerDigits);
      case 1: return Number(integerDigits) + "i";
      default: {
        const std::string im = Number(integerDigits);
        return Number(integerDigits) + (im[0] == '-' ? "" : "+") + im + "i";
      }
    }
  }
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

 private:
  static int Power(int digits) {
    int power = 1;
    for (int i = 0; i < digits; ++i) power *= 10;
    return power;
  }
  std::mt19937 random_;
};

enum class Op { Add, Sub, Mul, Div };

ExactPair Exact(Op op, const ExactPair& a, const ExactPair& b) {
  switch (op) {
    case Op::Add: return {a.re + b.re, a.im + b.im};
    case Op::Sub: return {a.re - b.re, a.im - b.im};
    case Op::Mul: return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
    case Op::Div: {
      const mpq_class norm = b.re * b.re + b.im * b.im;
      return {(a.re * b.re + a.im * b.im) / norm, (a.im * b.re - a.re * b.im) / norm};
    }
  }
  return {};
}

std::string Program(Op op, const std::string& a, const std::string& b, int places) {
  switch (op) {
    case Op::Add: return ComplexAdd(a, b, places).str();
    case Op::Sub: return ComplexSub(a, b, places).str();
    case Op::Mul: return ComplexMul(a, b, places).str();
    case Op::Div: return ComplexDiv(a, b, places).str();
  }
  return {};
}

TEST(SoundReference, EachOperationIsTheExactResultRoundedByTheSoundRule) {
  RandomDecimals random(20261208);
  int compared = 0, undecided = 0;
  for (int trial = 0; trial < 40000; ++trial) {
    const int places = 2 + trial % 8;
    // Small enough that a double carries every digit down to the last place.
    const int integerDigits = std::max(0, (8 - places) / 2 - 1) + random.Pick(2);
    const std::string a = random.Complex(integerDigits), b = random.Complex(integerDigits);
    const auto op = static_cast<Op>(trial / 8 % 4);
    const ExactPair y = ExactDecimal(b);
    if (op == Op::Div && sgn(y.re) == 0 && sgn(y.im) == 0) continue;
    const SoundText expected = WriteSound(places, Exact(op, ExactDecimal(a), y));
    if (expected.undecided) {
      ++undecided;
      continue;
    }
    ++compared;
    ASSERT_EQ(Program(op, a, b, places), expected.text)
        << a << " op " << static_cast<int>(op) << " " << b << " at " << places << " places";
  }
  EXPECT_GT(compared, 3 * undecided) << "the reference decides most cases";
}

struct KnownAnswer {
  Op op;
  const char* a;
  const char* b;
  int places;
  std::string text;
};

TEST(SoundReference, KnownAnswersAtTheEdges) {
  const KnownAnswer answers[] = {
      {Op::Mul, "0,125", "1", 2, "0,13"},  // an exact half goes up
      {Op::Mul, "-0,125", "1", 2, "-0,13"},
      {Op::Add, "0,0049", "0", 2, "0"},  // rounds to zero, no minus
      {Op::Add, "-0,0049", "0", 2, "0"},
      {Op::Add, "2", "0,0004i", 3, "2+0i"},  // a part that rounds to zero keeps its place
      {Op::Add, "2147483647", "0", 3, "2147483647"},
      {Op::Add, "2147483647", "1", 3, kTooLarge},        // 2147483648
      {Op::Add, "-2147483647,9996", "0", 3, kTooLarge},  // the carry passes the limit
      {Op::Add, "2147483648", "2i", 3, kTooLarge + "+2i"},
      {Op::Div, "1", "3", 3, "0,333"},
      {Op::Div, "1", "8", 2, "0,13"},
      {Op::Mul, "0,5+0,5i", "1-i", 3, "1"},
  };
  for (const KnownAnswer& answer : answers) {
    SCOPED_TRACE(std::string(answer.a) + " op " + std::to_string(static_cast<int>(answer.op)) + " " + answer.b);
    EXPECT_EQ(Program(answer.op, answer.a, answer.b, answer.places), answer.text);
    const SoundText reference =
        WriteSound(answer.places, Exact(answer.op, ExactDecimal(answer.a), ExactDecimal(answer.b)));
    EXPECT_EQ(reference.text, answer.text);
  }
}

Grid MatrixGrid(const std::vector<std::string>& cells, int n) {
  Grid grid;
  grid.SetRowCount(n + 1);
  grid.SetColCount(n + 1);
  for (int i = 0; i < n * n; ++i) grid.SetCells(i % n + 1, i / n + 1, cells[static_cast<std::size_t>(i)]);
  return grid;
}

TEST(SoundReference, DeterminantsRoundEveryStepByTheSoundRule) {
  RandomDecimals random(7);
  int compared = 0, undecided = 0;
  for (int trial = 0; trial < 1800; ++trial) {
    const int n = 1 + trial % 6;
    const int places = 2 + trial / 6 % 4;
    std::vector<std::string> cells;
    for (int i = 0; i < n * n; ++i) cells.push_back(random.Complex(random.Pick(4) == 0 ? 1 : 0));
    const SoundText expected = testing::SoundDeterminant(cells, n, places);
    if (expected.undecided) {
      ++undecided;
      continue;
    }
    ++compared;
    ASSERT_EQ(GridDeterminant(MatrixGrid(cells, n), places), expected.text) << "trial " << trial << ", n " << n;
  }
  EXPECT_GT(compared, 2 * undecided) << "the reference decides most cases";
}

}  // namespace
}  // namespace zorvel
