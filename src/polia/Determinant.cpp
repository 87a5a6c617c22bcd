#include "Determinant.h"

#include <bit>
#include <vector>

#include "CalculationMessages.h"
#include "ComplexArithmetic.h"
#include "MessageDisplay.h"
#include "NumberText.h"
#include "VectorState.h"

namespace zorvel {
namespace {

constexpr std::string_view kFixedCountsDiffer =
    "Po\xE8"
    "et fixovan\xFD"
    "ch buniek hore mus\xED by\x9D rovnak\xFD ako v\xBE"
    "avo!";

// A set of matrix rows or columns, one bit each, in ascending order.
using IndexSet = std::uint64_t;

// Row sets index flat tables of 2^n entries, so the memo is for the sizes the
// window and files allow and a few more.
constexpr int kMaxSize = 16;

// The lowest member: one instruction (bsf/tzcnt) on every x86-64.
int Lowest(IndexSet set) { return std::countr_zero(set); }

bool HasOneMember(IndexSet set) { return set != 0 && (set & (set - 1)) == 0; }

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

  // Starts afresh from the grid's cells. The tables keep their memory, so a
  // change of places allocates nothing.
  void Reset(const Grid& grid, int places) {
    const int n = grid.RowCount() - grid.FixedRows();
    if (n > kMaxSize) throw GridError("Matrix too large for a determinant");
    n_ = n;
    places_ = places;
    const int fr = grid.FixedRows();
    const int fc = grid.FixedCols();
    cells_.resize(static_cast<std::size_t>(n_) * static_cast<std::size_t>(n_));
    for (int i = 0; i < n_; ++i) {
      for (int j = 0; j < n_; ++j) {
        Cell& cell = cells_[Position(i, j)];
        cell.text = grid.Cells(fc + j, fr + i);
        cell.read = false;
      }
    }
    signedElements_.assign(static_cast<std::size_t>(n_) * static_cast<std::size_t>(n_) * 2, {});
    columnSets_.clear();
    slots_.clear();
    minors_.clear();
    kept_ = 0;
    // Room for what the whole and all its minors reach: about n^2 / 2 column
    // sets, and at most 2^n (n / 2 + 1) minors.
    slots_.reserve(static_cast<std::size_t>(n_ * n_ / 2 + 2) << n_);
    minors_.reserve(static_cast<std::size_t>(n_ + 2) << n_ >> 1);
  }

  void Update(const Grid& grid, int places) {
    if (grid.RowCount() - grid.FixedRows() != n_ || places != places_) {
      Reset(grid, places);
      return;
    }
    const int fr = grid.FixedRows();
    const int fc = grid.FixedCols();
    std::size_t changed = 0;
    for (int i = 0; i < n_; ++i) {
      for (int j = 0; j < n_; ++j) changed += grid.Cells(fc + j, fr + i) != CellText(i, j) ? 1 : 0;
    }
    if (changed == 0) return;
    if (changed * 2 > cells_.size()) {
      Reset(grid, places);
      return;
    }
    for (int i = 0; i < n_; ++i) {
      for (int j = 0; j < n_; ++j) {
        const std::string& text = grid.Cells(fc + j, fr + i);
        if (text == CellText(i, j)) continue;
        Cell& cell = cells_[Position(i, j)];
        cell.text = text;  // assigned into the kept string: no allocation for a short text
        cell.read = false;
        signedElements_[Position(i, j) * 2] = {};
        signedElements_[Position(i, j) * 2 + 1] = {};
        DropMinorsKeeping(i, j);
      }
    }
  }

  // An element's value written as every result is written.
  std::string WrittenElement(int row, int col) {
    const Complex value = Element(row, col);
    return FormatComplex(places_, value.re, value.im).str();
  }

  [[nodiscard]] std::size_t KeptMinors() const { return kept_; }
  [[nodiscard]] int Size() const { return n_; }
  [[nodiscard]] IndexSet All() const { return (IndexSet{1} << n_) - 1; }

  // The text of the determinant of the rows and columns kept: the computed
  // value written out; of a single element, its value written like every
  // other result, never its text unread.
  std::string Text(IndexSet rows, IndexSet cols) {
    ClearUpperVectorState();  // the window may have painted since the last call
    if (HasOneMember(rows)) return WrittenElement(Lowest(rows), Lowest(cols));
    const Complex parts = Computed(rows, ColumnSetOf(cols)).parts;
    return FormatComplex(places_, parts.re, parts.im).str();
  }

 private:
  // The column sets met: the expansion takes away the first column at each
  // step, so from the whole matrix and its n^2 minors only about n^2 / 2
  // column sets are ever reached. Each has a table of 2^n places, one per row
  // set, that hold the number of the row set's minor in minors_ (0: none yet).
  struct ColumnSet {
    IndexSet cols;
    int size;
    int firstCol;
    int minorColumns = -1;  // the column set without the first column, once met
  };

  // A minor once computed keeps its place, so edits that drop it and compute
  // it again allocate nothing.
  struct Minor {
    Result result;
    bool computed = false;
  };

  int ColumnSetOf(IndexSet cols) {
    for (std::size_t k = 0; k < columnSets_.size(); ++k) {
      if (columnSets_[k].cols == cols) return static_cast<int>(k);
    }
    int size = 0;
    for (IndexSet left = cols; left != 0; left &= left - 1) ++size;
    columnSets_.push_back({cols, size, Lowest(cols)});
    slots_.resize(slots_.size() + (std::size_t{1} << n_), 0);
    return static_cast<int>(columnSets_.size() - 1);
  }

  [[nodiscard]] std::size_t Slot(int columnSet, IndexSet rows) const {
    return (static_cast<std::size_t>(columnSet) << n_) + rows;
  }

  // Drops every computed minor that keeps both row i and column j: for each
  // column set with column j, the row sets of its size with row i, and no
  // other.
  void DropMinorsKeeping(int i, int j) {
    const IndexSet below = (IndexSet{1} << i) - 1;
    const IndexSet others = IndexSet{1} << (n_ - 1);  // the bound of the sets of the other n - 1 rows
    for (std::size_t k = 0; k < columnSets_.size(); ++k) {
      const ColumnSet& set = columnSets_[k];
      if ((set.cols >> j & 1) == 0) continue;
      // The sets of size - 1 of the other rows, in increasing order (Gosper's
      // rule), each with row i put back in its place.
      for (IndexSet rest = (IndexSet{1} << (set.size - 1)) - 1; rest < others;) {
        const IndexSet rows = (rest & below) | (rest & ~below) << 1 | (below + 1);
        if (const std::uint32_t slot = slots_[Slot(static_cast<int>(k), rows)]; slot != 0) {
          Minor& minor = minors_[slot - 1];
          kept_ -= minor.computed ? 1 : 0;
          minor.computed = false;
        }
        if (rest == 0) break;
        const IndexSet lowest = rest & (~rest + 1);
        const IndexSet raised = rest + lowest;
        rest = (((raised ^ rest) >> 2) >> Lowest(lowest)) | raised;
      }
    }
  }

  Complex Value(IndexSet rows, int columnSet) {
    if (HasOneMember(rows)) return Element(Lowest(rows), columnSets_[static_cast<std::size_t>(columnSet)].firstCol);
    return Computed(rows, columnSet).value;
  }

  // The minor's result, computed when not kept. The tables may grow while it
  // is computed, so places are held as numbers, never as references.
  const Result& Computed(IndexSet rows, int columnSet) {
    std::uint32_t slot = slots_[Slot(columnSet, rows)];
    if (slot != 0 && minors_[slot - 1].computed) return minors_[slot - 1].result;
    const ColumnSet set = columnSets_[static_cast<std::size_t>(columnSet)];
    const Result result = set.size == 2   ? TwoByTwo(rows, set.cols)
                          : set.size == 3 ? Sarrus(rows, set.cols)
                                          : Expansion(rows, columnSet);
    if (slot == 0) {
      minors_.emplace_back();
      slot = static_cast<std::uint32_t>(minors_.size());
      slots_[Slot(columnSet, rows)] = slot;
    }
    Minor& minor = minors_[slot - 1];
    minor.result = result;
    minor.computed = true;
    ++kept_;
    return minor.result;
  }

  [[nodiscard]] std::size_t Position(int row, int col) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(n_) + static_cast<std::size_t>(col);
  }

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
    Result sum{};  // "0", which reads back as 0
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
  Result Expansion(IndexSet rows, int columnSet) {
    const int firstCol = columnSets_[static_cast<std::size_t>(columnSet)].firstCol;
    int minorColumns = columnSets_[static_cast<std::size_t>(columnSet)].minorColumns;
    if (minorColumns < 0) {
      const IndexSet cols = columnSets_[static_cast<std::size_t>(columnSet)].cols;
      minorColumns = ColumnSetOf(cols & (cols - 1));
      columnSets_[static_cast<std::size_t>(columnSet)].minorColumns = minorColumns;
    }
    Result sum{};  // "0", which reads back as 0
    int i = 1;     // the row's number within this matrix
    for (IndexSet left = rows; left != 0; left &= left - 1, ++i) {
      const int row = Lowest(left);
      const Complex p = SignedElement(row, firstCol, i % 2 == 0);
      const Complex minor = Value(rows & ~(IndexSet{1} << row), minorColumns);
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
    bool read = false;
  };
  struct SignedSlot {
    Complex value;
    bool computed = false;
  };

  int n_ = 0;
  int places_ = 0;
  std::vector<Cell> cells_;  // a(i, j) at i * n + j, counted from 0
  std::vector<SignedSlot> signedElements_;
  std::vector<ColumnSet> columnSets_;
  std::vector<std::uint32_t> slots_;  // column set k, row set r at k * 2^n + r
  std::vector<Minor> minors_;
  std::size_t kept_ = 0;  // the minors computed and not dropped since
};

MinorDeterminants::MinorDeterminants(const Grid& grid, int places) : solver_(std::make_unique<Solver>(grid, places)) {}

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
