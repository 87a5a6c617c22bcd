#include "MatrixInput.h"

#include <string>

namespace zorvel::fuzz {
namespace {

// Short decimals, real or complex, a few of them zero or empty, from a
// generator seeded by the input: singular matrices and exact zeros come up
// often enough, and every value has few digits, as typed by hand.
class CellDrawer {
 public:
  explicit CellDrawer(std::uint64_t seed) : state_(seed | 1) {}

  std::string Next() {
    switch (Draw(16)) {
      case 0: return "";
      case 1:
      case 2: return "0";
      case 3: return "i";
      case 4:
      case 5:
      case 6:
      case 7: return Number();
      case 8:
      case 9:
      case 10: return Number() + "i";
      default: {
        const std::string im = Number();
        return Number() + (im[0] == '-' ? "" : "+") + im + "i";
      }
    }
  }

 private:
  std::string Number() {
    std::string text = Draw(3) == 0 ? "-" : "";
    text += std::to_string(Draw(10));
    if (const unsigned fraction = Draw(3); fraction > 0) {
      text += ',';
      for (unsigned d = 0; d < fraction; ++d) text += static_cast<char>('0' + Draw(10));
    }
    return text;
  }
  unsigned Draw(unsigned n) {  // xorshift64*
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return static_cast<unsigned>((state_ * 0x2545F4914F6CDD1Dull) >> 33) % n;
  }
  std::uint64_t state_;
};

std::uint64_t Hash(const std::uint8_t* data, std::size_t size) {  // FNV-1a
  std::uint64_t hash = 0xCBF29CE484222325ull;
  for (std::size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 0x100000001B3ull;
  return hash;
}

// Cells from the records of `rest` until it ends or a record opens with
// kCellsEnd, which is left in `rest`; drawn after.
void FillCells(Grid& grid, int rows, int cols, std::string_view& rest, CellDrawer& drawer) {
  for (int cell = 0; cell < rows * cols; ++cell) {
    const int row = 1 + cell / cols, col = 1 + cell % cols;
    if (rest.empty() || rest[0] == kCellsEnd) {
      grid.SetCells(col, row, drawer.Next());
    } else {
      grid.SetCells(col, row, NextRecord(rest));
    }
  }
}

}  // namespace

std::string_view NextRecord(std::string_view& rest) {
  const std::size_t newline = rest.find('\n');
  const std::string_view record = rest.substr(0, newline);
  rest = newline == std::string_view::npos ? std::string_view() : rest.substr(newline + 1);
  return record;
}

void ShapeMatrix(Grid& grid, int rows, int cols) {
  grid.SetRowCount(rows + 1);
  grid.SetColCount(cols + 1);
  for (int i = 1; i <= rows; ++i) grid.SetCells(0, i, std::to_string(i));
  for (int j = 1; j <= cols; ++j) grid.SetCells(j, 0, std::to_string(j));
}

MatrixInput ReadMatrixInput(const std::uint8_t* data, std::size_t size) {
  MatrixInput input;
  input.n = 1 + data[0] % 10;
  input.wholeFirst = data[0] / 10 % 2 == 0;
  input.places = 2 + data[1] % 8;
  input.k = 1 + data[1] / 8 % 3;
  input.choice = data[1] / 24 % 4;
  std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
  CellDrawer drawer(Hash(data + 2, size - 2));
  ShapeMatrix(input.matrix1, input.n, input.n);
  ShapeMatrix(input.matrix2, input.n, input.k);
  FillCells(input.matrix1, input.n, input.n, rest, drawer);
  FillCells(input.matrix2, input.n, input.k, rest, drawer);
  if (!rest.empty() && rest[0] == kCellsEnd) (void)NextRecord(rest);
  input.edits = rest;
  return input;
}

}  // namespace zorvel::fuzz
