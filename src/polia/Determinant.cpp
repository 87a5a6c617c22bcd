#include "Determinant.h"

#include <algorithm>
#include <bit>
#include <unordered_map>
#include <vector>

#include "CalculationMessages.h"
#include "ComplexArithmetic.h"
#include "MessageDisplay.h"
#include "NumberText.h"

namespace zorvel {
namespace {

constexpr std::string_view kFixedCountsDiffer =
    "Po\xE8" "et fixovan\xFD" "ch buniek hore mus\xED by\x9D rovnak\xFD ako v\xBE" "avo!";

// A set of matrix rows or columns, one bit each, in ascending order.
using IndexSet = std::uint64_t;

struct MinorKey {
  IndexSet rows;
  IndexSet cols;
  bool operator==(const MinorKey&) const = default;
};

struct MinorKeyHash {
  std::size_t operator()(const MinorKey& key) const {
    return static_cast<std::size_t>(key.rows * 0x9E3779B97F4A7C15ull ^ (key.cols + 0x632BE59BD9B4E019ull));
  }
};

int Lowest(IndexSet set) { return std::countr_zero(set); }

// A computed minor or product: its parts as computed, from which its text is
// written when asked for, and the value that text reads back as, which is
// what the next operation works with. Intermediate texts are never built.
struct Result {
  Complex parts;
  Complex value;
};

}  // namespace

class MinorDeterminants::Solver {
 public:
  Solver(const Grid& grid, int places) { Reset(grid, places); }

  // Starts afresh from the grid's cells.
  void Reset(const Grid& grid, int places) {
    const int n = grid.RowCount() - grid.FixedRows();
    if (n > 64) throw GridError("Matrix too large for a determinant");
    n_ = n;
    places_ = places;
    const int fr = grid.FixedRows();
    const int fc = grid.FixedCols();
    cells_.clear();
    cells_.reserve(static_cast<std::size_t>(n_ * n_));
    for (int i = 0; i < n_; ++i) {
      for (int j = 0; j < n_; ++j) cells_.push_back({grid.Cells(fc + j, fr + i), {}, false});
    }
    signedElements_.assign(static_cast<std::size_t>(n_ * n_ * 2), {});
    memo_.clear();
    memo_.reserve(std::size_t{1} << std::min(n_ + 2, 14));
  }

  void Update(const Grid& grid, int places) {
    if (grid.RowCount() - grid.FixedRows() != n_ || places != places_) {
      Reset(grid, places);
      return;
    }
    const int fr = grid.FixedRows();
    const int fc = grid.FixedCols();
    // The changed cells, each as its own 1 x 1 minor: a row mask and a column
    // mask, and a minor depends on the cell when it keeps both.
    std::vector<MinorKey> changed;
    for (int i = 0; i < n_; ++i) {
      for (int j = 0; j < n_; ++j) {
        if (grid.Cells(fc + j, fr + i) != CellText(i, j)) changed.push_back({IndexSet{1} << i, IndexSet{1} << j});
      }
    }
    if (changed.empty()) return;
    if (changed.size() * 2 > cells_.size()) {
      Reset(grid, places);
      return;
    }
    for (const MinorKey& cell : changed) {
      const int i = Lowest(cell.rows);
      const int j = Lowest(cell.cols);
      cells_[Position(i, j)] = {grid.Cells(fc + j, fr + i), {}, false};
      signedElements_[Position(i, j) * 2] = {};
      signedElements_[Position(i, j) * 2 + 1] = {};
    }
    std::erase_if(memo_, [&changed](const auto& entry) {
      const MinorKey& minor = entry.first;
      return std::any_of(changed.begin(), changed.end(), [&minor](const MinorKey& cell) {
        return (minor.rows & cell.rows) != 0 && (minor.cols & cell.cols) != 0;
      });
    });
  }

  // An element's value written as every result is written.
  std::string WrittenElement(int row, int col) {
    const Complex value = Element(row, col);
    return FormatComplex(places_, value.re, value.im).str();
  }

  [[nodiscard]] std::size_t KeptMinors() const { return memo_.size(); }
  [[nodiscard]] int Size() const { return n_; }
  [[nodiscard]] IndexSet All() const { return n_ == 64 ? ~IndexSet{0} : (IndexSet{1} << n_) - 1; }

  // The text of the determinant of the rows and columns kept: the computed
  // value written out; of a single element, its value written like every
  // other result, never its text unread.
  std::string Text(IndexSet rows, IndexSet cols) {
    if (std::popcount(rows) == 1) return WrittenElement(Lowest(rows), Lowest(cols));
    const Complex parts = Computed(rows, cols).parts;
    return FormatComplex(places_, parts.re, parts.im).str();
  }

 private:
  Complex Value(IndexSet rows, IndexSet cols) {
    if (std::popcount(rows) == 1) return Element(Lowest(rows), Lowest(cols));
    return Computed(rows, cols).value;
  }

  const Result& Computed(IndexSet rows, IndexSet cols) {
    const MinorKey key{rows, cols};
    auto found = memo_.find(key);
    if (found == memo_.end()) {
      const int size = std::popcount(rows);
      const Result result = size == 2 ? TwoByTwo(rows, cols) : size == 3 ? Sarrus(rows, cols) : Expansion(rows, cols);
      found = memo_.emplace(key, result).first;
    }
    return found->second;
  }

  [[nodiscard]] std::size_t Position(int row, int col) const { return static_cast<std::size_t>(row * n_ + col); }

  [[nodiscard]] std::string_view CellText(int row, int col) const { return cells_[Position(row, col)].text; }

  // An element's value, read the first time an operation needs it, which is
  // when reading it could first fail.
  Complex Element(int row, int col) {
    Cell& cell = cells_[Position(row, col)];
    if (!cell.read) {
      cell.value = ParseComplex(cell.text);
      cell.read = true;
    }
    return cell.value;
  }

  Result Finish(const Complex& parts) const { return {parts, ReadBackComplex(places_, parts)}; }

  // The positions of a set's members, in ascending order.
  static void Members(IndexSet set, int* out) {
    for (; set != 0; set &= set - 1) *out++ = Lowest(set);
  }

  Result TwoByTwo(IndexSet rows, IndexSet cols) {
    int r[2], c[2];
    Members(rows, r);
    Members(cols, c);
    // Each operand is read into a named value in the written order: reading
    // can fail, and a call's arguments are evaluated in no fixed order.
    const Complex a21 = Element(r[1], c[0]);
    const Complex a12 = Element(r[0], c[1]);
    const Result t1 = Finish(ComplexMulParts(a21, a12));
    const Complex a11 = Element(r[0], c[0]);
    const Complex a22 = Element(r[1], c[1]);
    const Result t2 = Finish(ComplexMulParts(a11, a22));
    return Finish(ComplexSubParts(t2.value, t1.value));
  }

  // The rule of Sarrus: three products down the diagonals added, three up
  // the anti-diagonals subtracted, in this order. A product takes its first
  // factor as the element's text itself. "No factor yet" is a flag, never a
  // text: a cell holding "?" reads as any unreadable text does.
  Result Sarrus(IndexSet rows, IndexSet cols) {
    static constexpr int kDiagonals[6][3][2] = {
        {{0, 0}, {1, 1}, {2, 2}}, {{0, 2}, {1, 1}, {2, 0}},  // k = 0: positive, negative
        {{1, 0}, {2, 1}, {0, 2}}, {{1, 2}, {2, 1}, {0, 0}},  // k = 1
        {{2, 0}, {0, 1}, {1, 2}}, {{2, 2}, {1, 0}, {0, 1}},  // k = 2
    };
    int r[3], c[3];
    Members(rows, r);
    Members(cols, c);
    Result sum = Finish({});  // "0"
    for (int d = 0; d < 6; ++d) {
      // P has no factor yet, is an element's own text, or a computed product.
      bool noFactorYet = true;
      int elementRow = -1, elementCol = -1;
      Result product;
      const auto value = [&] { return elementRow >= 0 ? Element(elementRow, elementCol) : product.value; };
      for (const auto& position : kDiagonals[d]) {
        const int row = r[position[0]];
        const int col = c[position[1]];
        if (noFactorYet) {
          elementRow = row;
          elementCol = col;
          noFactorYet = false;
        } else {
          const Complex factor = value();  // the first operand is read first
          product = Finish(ComplexMulParts(factor, Element(row, col)));
          elementRow = -1;
        }
      }
      const Complex p = value();
      sum = Finish(d % 2 == 0 ? ComplexAddParts(sum.value, p) : ComplexSubParts(sum.value, p));
    }
    return sum;
  }

  // Expansion along the first column: every row, zero or not, contributes
  // element x sign x minor, the element rounded by its multiplication with
  // the sign text even when the sign is +1.
  Result Expansion(IndexSet rows, IndexSet cols) {
    const int firstCol = Lowest(cols);
    const IndexSet minorCols = cols & (cols - 1);
    Result sum = Finish({});  // "0"
    int i = 1;  // the row's number within this matrix
    for (IndexSet left = rows; left != 0; left &= left - 1, ++i) {
      const int row = Lowest(left);
      const Complex p = SignedElement(row, firstCol, i % 2 == 0);
      const Complex minor = Value(rows & ~(IndexSet{1} << row), minorCols);
      const Result term = Finish(ComplexMulParts(p, minor));
      sum = Finish(ComplexAddParts(sum.value, term.value));
    }
    return sum;
  }

  Complex SignedElement(int row, int col, bool negative) {
    // The sign texts "1.0" and "-1.0", read as the multiplication reads them.
    static const Complex plus = ParseComplex(RealToDigits(PowerOf(2, -1)));
    static const Complex minus = ParseComplex(RealToDigits(PowerOf(3, -1)));
    auto& slot = signedElements_[Position(row, col) * 2 + (negative ? 1 : 0)];
    if (!slot.computed) {
      slot.value = Finish(ComplexMulParts(Element(row, col), negative ? minus : plus)).value;
      slot.computed = true;
    }
    return slot.value;
  }

  struct Cell {
    std::string text;  // a copy: the grid may change before the next Update
    Complex value;
    bool read;
  };
  struct SignedSlot {
    Complex value;
    bool computed = false;
  };

  int n_ = 0;
  int places_ = 0;
  std::vector<Cell> cells_;  // a(i, j) at i * n + j, counted from 0
  std::vector<SignedSlot> signedElements_;
  std::unordered_map<MinorKey, Result, MinorKeyHash> memo_;
};

MinorDeterminants::MinorDeterminants(const Grid& grid, int places)
    : solver_(std::make_unique<Solver>(grid, places)) {}

MinorDeterminants::~MinorDeterminants() = default;

void MinorDeterminants::Update(const Grid& grid, int places) { solver_->Update(grid, places); }

int MinorDeterminants::Size() const { return solver_->Size(); }

std::size_t MinorDeterminants::KeptMinors() const { return solver_->KeptMinors(); }

std::string MinorDeterminants::Whole() { return solver_->Text(solver_->All(), solver_->All()); }

std::string MinorDeterminants::Minor(int row, int col) {
  const IndexSet all = solver_->All();
  return solver_->Text(all & ~(IndexSet{1} << (row - 1)), all & ~(IndexSet{1} << (col - 1)));
}

bool IsDeterminantGrid(const Grid& grid) {
  const int rows = grid.RowCount() - grid.FixedRows();
  return rows == grid.ColCount() - grid.FixedCols() && rows > 0 && grid.FixedCols() == grid.FixedRows();
}

std::string GridDeterminant(const Grid& grid, int places) {
  const int rows = grid.RowCount() - grid.FixedRows();
  const int cols = grid.ColCount() - grid.FixedCols();
  if (rows != cols || rows <= 0) {
    ShowMessage(kDeterminantImpossible);
    return "0";
  }
  if (grid.FixedCols() != grid.FixedRows()) {
    ShowMessage(kFixedCountsDiffer);
    return "0";
  }
  MinorDeterminants determinants(grid, places);
  return determinants.Whole();
}

}  // namespace zorvel
