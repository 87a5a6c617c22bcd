#include "ExactChecks.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ExactGrids.h"
#include "ExactMatrix.h"
#include "ExactReference.h"
#include "FuzzCheck.h"
#include "MatrixCalculation.h"
#include "MatrixCalculations.h"
#include "MatrixInput.h"
#include "Messages.h"
#include "ShownResults.h"

namespace zorvel::fuzz {
namespace {

using testing::ExactPair;

// Exact arithmetic on a cell of thousands of digits is slow: the exact
// checks see each cell cut to this length, exponents and all.
constexpr std::size_t kExactCellLength = 40;
// ... and leave out matrices whose determinant may grow past about this many
// bits (n times the bits of the largest entry scaled to integers).
constexpr std::size_t kExactBits = 6000;

// A matrix read exactly, each cell a complex rational or no number.
struct Values {
  int rows = 0;
  int cols = 0;
  std::vector<ExactPair> cells;
  std::vector<bool> notANumber;
  bool anyNotANumber = false;
  [[nodiscard]] const ExactPair& At(int r, int c) const { return cells[static_cast<std::size_t>(r * cols + c)]; }
  [[nodiscard]] bool NaN(int r, int c) const { return notANumber[static_cast<std::size_t>(r * cols + c)]; }
};

Values ValuesOf(const ExactMatrix& m) {
  Values values{m.rows, m.cols, {}, {}, false};
  for (const ExactComplex& cell : m.cells) {
    values.cells.push_back({cell.re, cell.im});
    values.notANumber.push_back(cell.notANumber);
    values.anyNotANumber = values.anyNotANumber || cell.notANumber;
  }
  return values;
}

ExactPair PairOf(const ExactValue& value) {
  ExactPair pair{mpq_class(value.re, value.denominator), mpq_class(value.im, value.denominator)};
  pair.re.canonicalize();
  pair.im.canonicalize();
  return pair;
}

bool Same(const ExactPair& x, const ExactPair& y) { return x.re == y.re && x.im == y.im; }
bool IsZero(const ExactPair& x) { return sgn(x.re) == 0 && sgn(x.im) == 0; }

// n times the bits of the largest entry once the matrix is scaled by the
// common denominator of its parts: about the size of its determinant.
std::size_t Bits(const Values& values, int n) {
  std::size_t numerator = 0;
  mpz_class common = 1;
  for (const ExactPair& x : values.cells) {
    for (const mpq_class* part : {&x.re, &x.im}) {
      numerator = std::max(numerator, mpz_sizeinbase(part->get_num_mpz_t(), 2));
      mpz_lcm(common.get_mpz_t(), common.get_mpz_t(), part->get_den_mpz_t());
    }
  }
  return static_cast<std::size_t>(n) * (numerator + mpz_sizeinbase(common.get_mpz_t(), 2));
}

Grid Cut(const Grid& grid) {
  Grid cut = grid;
  for (int r = 1; r < grid.RowCount(); ++r) {
    for (int c = 1; c < grid.ColCount(); ++c) {
      const std::string& text = grid.Cells(c, r);
      if (text.size() > kExactCellLength) cut.SetCells(c, r, std::string_view(text).substr(0, kExactCellLength));
    }
  }
  return cut;
}

std::string Written(int places, const std::optional<ExactPair>& value) {
  return value ? testing::WriteRoundedOnce(places, *value) : std::string(kTooLargeNumber);
}

// x y for x (rows x m) and y (m x cols) given entry by entry; no number
// where a factor of the entry's sum is none.
std::vector<std::optional<ExactPair>> Product(const Values& x, const Values& y) {
  std::vector<std::optional<ExactPair>> product;
  for (int r = 0; r < x.rows; ++r) {
    for (int c = 0; c < y.cols; ++c) {
      std::optional<ExactPair> sum = ExactPair{0, 0};
      for (int i = 0; i < x.cols && sum; ++i) {
        if (x.NaN(r, i) || y.NaN(i, c)) {
          sum.reset();
        } else {
          sum = testing::Plus(*sum, testing::Times(x.At(r, i), y.At(i, c)));
        }
      }
      product.push_back(sum);
    }
  }
  return product;
}

Values FromEntries(const std::vector<std::optional<ExactPair>>& entries, int rows, int cols) {
  Values values{rows, cols, {}, std::vector<bool>(entries.size(), false), false};
  for (const auto& entry : entries) values.cells.push_back(*entry);
  return values;
}

Values FromResult(const std::vector<ExactValue>& result, int rows, int cols) {
  Values values{rows, cols, {}, std::vector<bool>(result.size(), false), false};
  for (const ExactValue& value : result) values.cells.push_back(PairOf(value));
  return values;
}

[[noreturn]] void Unread() { ThrowFloatError(FloatError::Kind::Overflow); }

ExactMatrix MatrixOf(const Values& values) {
  ExactMatrix matrix{values.rows, values.cols, {}};
  for (const ExactPair& x : values.cells) matrix.cells.push_back({x.re, x.im, false});
  return matrix;
}

// A column of complex integers far apart, which both sides of a matrix
// equation are multiplied by: n^2 products rather than n^3, and a wrong
// result passes only by a coincidence that no input can aim at.
Values Probe(int rows) {
  Values v{rows, 1, {}, std::vector<bool>(static_cast<std::size_t>(rows), false), false};
  for (int r = 0; r < rows; ++r) {
    mpz_class re, im;
    mpz_ui_pow_ui(re.get_mpz_t(), 1000003, static_cast<unsigned long>(r));
    mpz_ui_pow_ui(im.get_mpz_t(), 999983, static_cast<unsigned long>(rows - r));
    v.cells.push_back({mpq_class(re + r), mpq_class(im - 7 * r)});
  }
  return v;
}

// The program's exact adjugate and inverse of a (its determinant not zero),
// checked: the inverse times a v is v, the adjugate the determinant times
// the inverse.
void AppendInverse(const Values& a, const ExactPair& determinant, int places, std::vector<std::string>& cells) {
  const int n = a.rows;
  const ExactInverse inverse = InvertExactly(MatrixOf(a), true);
  const Values adjugate = FromResult(inverse.adjugate, n, n);
  const Values inverted = FromResult(inverse.inverse, n, n);
  const Values v = Probe(n);
  const auto back = Product(inverted, FromEntries(Product(a, v), n, 1));
  for (std::size_t r = 0; r < back.size(); ++r) Check(Same(*back[r], v.cells[r]));
  for (std::size_t at = 0; at < adjugate.cells.size(); ++at) {
    Check(Same(adjugate.cells[at], testing::Times(determinant, inverted.cells[at])));
  }
  for (const ExactPair& x : adjugate.cells) cells.push_back(testing::WriteRoundedOnce(places, x));
  for (const ExactPair& x : inverted.cells) cells.push_back(testing::WriteRoundedOnce(places, x));
}

// The program's exact X with a X = b (a not singular), checked: a X v is b v.
void AppendSolution(const Values& a, const Values& b, int places, std::vector<std::string>& cells) {
  const std::optional<std::vector<ExactValue>> solution = SolveExactly(MatrixOf(a), MatrixOf(b));
  Check(solution.has_value());
  const Values x = FromResult(*solution, a.rows, b.cols);
  const Values v = Probe(b.cols);
  const auto left = Product(a, FromEntries(Product(x, v), a.rows, 1));
  const auto right = Product(b, v);
  for (std::size_t i = 0; i < left.size(); ++i) Check(Same(*left[i], *right[i]));
  for (const ExactPair& entry : x.cells) cells.push_back(testing::WriteRoundedOnce(places, entry));
}

// The operation's results from the reference, each matrix read where the
// calculation first needs it (nothing: its reading failed); `determinant`
// by expansion, none when a cell of matrix 1 is no number.
Shown Expected(const std::optional<Values>& read1, const std::optional<Values>& read2,
               const std::optional<ExactPair>& determinant, Operation operation, int n, int k, int places) {
  if (!read1) Unread();
  Shown shown;
  if (operation == Operation::Product) {
    if (!read2) Unread();
    for (const auto& entry : Product(*read1, *read2)) shown.cells.push_back(Written(places, entry));
    return shown;
  }
  const bool zero = determinant && IsZero(*determinant);
  if (operation == Operation::Inverse) {
    shown.determinant = Written(places, determinant);
    if (!zero) shown.reciprocal = Written(places, determinant ? testing::Over({1, 0}, *determinant) : determinant);
    if (const auto refusal = InverseRefusal({n, n}, zero)) {
      shown.refusal = std::string(*refusal);
    } else if (!determinant) {
      shown.cells.assign(static_cast<std::size_t>(2 * n * n), std::string(kTooLargeNumber));
    } else {
      AppendInverse(*read1, *determinant, places, shown.cells);
    }
    return shown;
  }
  if (const auto refusal = SolveRefusal({n, n}, {n, k}, zero)) {
    shown.refusal = std::string(*refusal);
    return shown;
  }
  if (!read2) Unread();
  if (!determinant || read2->anyNotANumber) {
    shown.cells.assign(static_cast<std::size_t>(n * k), std::string(kTooLargeNumber));
  } else {
    AppendSolution(*read1, *read2, places, shown.cells);
  }
  return shown;
}

}  // namespace

void CheckExactMode(const Grid& matrix1, const Grid& matrix2, int n, int k, int places) {
  const Grid cut1 = Cut(matrix1), cut2 = Cut(matrix2);
  // Reading fails only with the overflow error, the same in every mode.
  const auto read = [](const Grid& grid, int rows, int cols) -> std::optional<Values> {
    const auto matrix = Compute([&] { return ReadExactMatrix(grid, rows, cols); });
    if (matrix.failed) {
      Check(matrix.kind == FloatError::Kind::Overflow);
      return std::nullopt;
    }
    return ValuesOf(matrix.value);
  };
  const std::optional<Values> read1 = read(cut1, n, n), read2 = read(cut2, n, k);
  if ((read1 && Bits(*read1, n) > kExactBits) || (read2 && Bits(*read2, n) > kExactBits)) return;
  // None for a matrix with a cell that is no number.
  std::optional<ExactPair> determinant;
  if (read1 && !read1->anyNotANumber) determinant = testing::ExpandedDeterminant(read1->cells, n);

  for (const Operation operation : {Operation::Inverse, Operation::Solve, Operation::Product}) {
    const CalculationInput input{&cut1, {n, n}, &cut2, {n, k}, places, CalculationMode::Exact, operation};
    const Outcome<Shown> shown = Compute([&] {
      MatrixCalculation calculation(input);
      return ShownBy(calculation, operation, n, k);
    });
    // A singular system is solved by elimination, whose results the
    // operations' own property tests check.
    if (operation == Operation::Solve && determinant && IsZero(*determinant)) continue;
    Check(shown == Compute([&] { return Expected(read1, read2, determinant, operation, n, k, places); }));
  }
}

}  // namespace zorvel::fuzz
