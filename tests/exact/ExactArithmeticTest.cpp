#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "Cancel.h"
#include "ExactMatrix.h"
#include "ExactReading.h"
#include "ExactWriting.h"
#include "Messages.h"

namespace zorvel {
namespace {

struct WrittenCase {
  const char* text;
  int places;
  const char* written;
};

TEST(ExactText, ReadsWhatTheCellShowsAndRoundsOnceHalfAwayFromZero) {
  const std::string tooLarge(kTooLargeNumber);
  const WrittenCase cases[] = {
      {"0,1", 3, "0,1"},
      {"2,675", 2, "2,68"},  // an exact tie goes away from zero
      {"-2,675", 2, "-2,68"},
      {"0,0005", 3, "0,001"},
      {"-0,0004", 3, "0"},                                         // rounds to zero: no minus
      {"12345678901234567890,123", 2, "12345678901234567890,12"},  // every integer digit
      {"1E-500", 3, "0"},
      // The reading rules of the hand mode, number for number.
      {"2+3", 3, "2"},
      {"1,5x", 3, "15"},
      {"1E-5i", 3, "1-5i"},
      {"1+2+3i", 3, "3+3i"},
      {"i+i", 3, "2i"},
      {"-i", 3, "-i"},
      {"abc", 3, "0"},
      // The written form of the rounded parts.
      {"2+0,0004i", 3, "2"},
      {"0,0004+2i", 3, "2i"},
      {"2+0,9996i", 3, "2+i"},
      {"-0,9996i", 3, "-i"},
      {"0,5+0,25i", 3, "0,5+0,25i"},
      {"1-0,5i", 2, "1-0,5i"},
      {tooLarge.c_str(), 3, tooLarge.c_str()},
  };
  for (const WrittenCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(WriteExact(c.places, ReadExact(c.text).value), c.written);
  }
  EXPECT_FALSE(ReadExact("2+3j").whole);
  EXPECT_TRUE(ReadExact("2+3i").whole);
}

// A result with more digits than a cell holds (a reciprocal of 1E-300 to
// a power) is too large to write, and is not written out first; up to that
// every digit is written.
TEST(ExactText, WritesNoMoreDigitsThanACellHolds) {
  const mpz_class nines = TenToThe(kMostWrittenDigits) - 1;
  const auto power = [](long exponent) {
    const mpz_class p = TenToThe(static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
    return exponent < 0 ? mpq_class(mpz_class(1), p) : mpq_class(p);
  };
  const struct {
    mpq_class re, im;
    int places;
    bool tooLarge;
  } cases[] = {
      {power(32766), 0, 0, false},
      {power(32767), 0, 0, true},
      {power(32757), 0, 9, false},
      {0, -power(32758), 9, true},
      {-power(999999), 0, 3, true},
      {power(-999999), 0, 9, false},
      {nines, 0, 0, false},
      {mpq_class(nines) + mpq_class(1, 2), 0, 0, true},  // rounds up to 10^32767
      {1, mpq_class(nines) + mpq_class(2, 5), 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(mpz_sizeinbase(c.re.get_num_mpz_t(), 10) + mpz_sizeinbase(c.im.get_num_mpz_t(), 10));
    const std::string written = WriteExact(c.places, ExactComplex{c.re, c.im});
    EXPECT_EQ(written == kTooLargeNumber, c.tooLarge);
    if (!c.tooLarge) {
      EXPECT_LE(written.size(), kMostWrittenDigits + 12);
    }
  }
}

// Short decimal complex numbers, some of them zero.
class RandomCells {
 public:
  explicit RandomCells(unsigned seed) : random_(seed) {}
  ExactMatrix Matrix(int rows, int cols) {
    ExactMatrix m{rows, cols, {}};
    for (int i = 0; i < rows * cols; ++i) m.cells.push_back(ReadExact(Cell()).value);
    return m;
  }

 private:
  std::string Cell() {
    if (Pick(5) == 0) return "0";
    const auto part = [this] { return std::to_string(Pick(2001) - 1000) + "," + std::to_string(Pick(100)); };
    const std::string im = part();
    return part() + (im[0] == '-' ? "" : "+") + im + "i";
  }
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  std::mt19937 random_;
};

ExactComplex Exactly(const ExactValue& value) {
  ExactComplex x{mpq_class(value.re, value.denominator), mpq_class(value.im, value.denominator), false};
  x.re.canonicalize();
  x.im.canonicalize();
  return x;
}

// a x b, with b's entries given as results.
std::vector<ExactComplex> Times(const ExactMatrix& a, const std::vector<ExactValue>& b, int cols) {
  std::vector<ExactComplex> product(static_cast<std::size_t>(a.rows * cols));
  for (int r = 0; r < a.rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      ExactComplex& sum = product[static_cast<std::size_t>(r * cols + c)];
      for (int i = 0; i < a.cols; ++i) {
        const ExactComplex& x = a.At(r, i);
        const ExactComplex y = Exactly(b[static_cast<std::size_t>(i * cols + c)]);
        sum.re += x.re * y.re - x.im * y.im;
        sum.im += x.re * y.im + x.im * y.re;
      }
    }
  }
  return product;
}

bool Equal(const ExactComplex& x, const ExactComplex& y) { return x.re == y.re && x.im == y.im; }

TEST(ExactMatrix, TheInverseTimesTheMatrixIsTheIdentityAndTheSolutionSolves) {
  RandomCells random(20261208);
  for (int trial = 0; trial < 60; ++trial) {
    const int n = 1 + trial % 10;
    const int k = 1 + trial % 3;
    const ExactMatrix a = random.Matrix(n, n);
    const ExactMatrix b = random.Matrix(n, k);
    const ExactInverse inverse = InvertExactly(a, true);
    const std::optional<std::vector<ExactValue>> x = SolveExactly(a, b);
    ASSERT_EQ(x.has_value(), !inverse.determinant.IsZero()) << "trial " << trial;
    if (!x) continue;  // rows of zeros now and then

    const std::vector<ExactComplex> identity = Times(a, inverse.inverse, n);
    const std::vector<ExactComplex> solved = Times(a, *x, k);
    const ExactComplex determinant = Exactly(inverse.determinant);
    for (int r = 0; r < n; ++r) {
      for (int c = 0; c < n; ++c) {
        const std::size_t at = static_cast<std::size_t>(r * n + c);
        ASSERT_TRUE(Equal(identity[at], ExactComplex{r == c ? 1 : 0, 0, false})) << "trial " << trial;
        // The adjugate is the determinant times the inverse.
        const ExactComplex adjugate = Exactly(inverse.adjugate[at]);
        const ExactComplex entry = Exactly(inverse.inverse[at]);
        const ExactComplex scaled{determinant.re * entry.re - determinant.im * entry.im,
                                  determinant.re * entry.im + determinant.im * entry.re, false};
        ASSERT_TRUE(Equal(adjugate, scaled)) << "trial " << trial;
      }
      for (int c = 0; c < k; ++c) ASSERT_TRUE(Equal(solved[static_cast<std::size_t>(r * k + c)], b.At(r, c)));
    }
  }
}

TEST(ExactMatrix, ASingularMatrixHasDeterminantZeroAndNoSolution) {
  ExactMatrix a{3, 3, {}};
  for (const char* cell : {"1", "2+i", "3", "0", "0", "0", "4", "5", "6i"}) a.cells.push_back(ReadExact(cell).value);
  const ExactInverse inverse = InvertExactly(a, true);
  EXPECT_TRUE(inverse.determinant.IsZero());
  EXPECT_FALSE(inverse.reciprocal.has_value());
  EXPECT_FALSE(SolveExactly(a, a).has_value());
}

// The circuit matrix of a kilo-ohm network: its products reach 6 x 10^9.
TEST(ExactMatrix, WritesTheKiloOhmCircuitInFull) {
  ExactMatrix a{3, 3, {}};
  for (const char* cell : {"1500+200i", "-1000", "0", "-1000", "2200-300i", "-1200", "0", "-1200", "1800+500i"}) {
    a.cells.push_back(ReadExact(cell).value);
  }
  const ExactInverse inverse = InvertExactly(a, true);
  EXPECT_EQ(WriteExact(4, inverse.determinant), "2093000000+874000000i");
  EXPECT_EQ(WriteExact(9, *inverse.reciprocal), "0");  // 4,07E-10 - 1,70E-10 i
  EXPECT_EQ(WriteExact(6, inverse.inverse[0]), "0,001181-0,000226i");
  EXPECT_EQ(WriteExact(2, inverse.adjugate[0]), "2670000+560000i");
}

// Long work stops once asked, between its steps, and only then.
TEST(ExactMatrix, EliminationsStopOnceAsked) {
  const ExactMatrix a{2, 2, {ReadExact("1").value, ReadExact("2").value, ReadExact("3").value, ReadExact("4").value}};
  std::stop_source stop;
  EXPECT_EQ(WriteExact(3, InvertExactly(a, true, stop.get_token()).determinant), "-2");
  stop.request_stop();
  EXPECT_THROW(InvertExactly(a, true, stop.get_token()), CalculationCancelled);
  EXPECT_THROW(InvertExactly(a, false, stop.get_token()), CalculationCancelled);
  EXPECT_THROW(SolveExactly(a, a, stop.get_token()), CalculationCancelled);
}

}  // namespace
}  // namespace zorvel
