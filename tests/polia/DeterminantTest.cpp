#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "Determinant.h"
#include "FloatError.h"
#include "GridOps.h"
#include "LiteralDeterminant.h"
#include "MessageRecorder.h"
#include "Messages.h"
#include "TestGrids.h"

namespace zorvel {
namespace {

using testing::LiteralGridDeterminant;
using testing::MatrixGrid;
using testing::MessageRecorder;
using testing::Rows;

const std::string kNotSquare = "Determinant zo zadanej matice nie je mo\x9En\xE9 vypo\xE8\xEDta\x9D.";
const std::string kFixedCountsDiffer =
    "Po\xE8"
    "et fixovan\xFD"
    "ch buniek hore mus\xED by\x9D rovnak\xFD ako v\xBE"
    "avo!";

// The text, or the error that ended the computation.
std::string Outcome(const std::function<std::string()>& compute) {
  try {
    return compute();
  } catch (const FloatError& e) {
    return std::string("error: ") + e.what();
  }
}

struct WorkedExample {
  const char* name;
  Rows rows;
  int places;
  std::string determinant;
};

TEST(GridDeterminant, GivesTheWorkedExamples) {
  const WorkedExample cases[] = {
      {"1x1 is its value, written", {{"1,23456"}}, 2, "1,23"},
      {"1x1 not read whole", {{"abc"}}, 2, "0"},
      {"1x1 empty", {{""}}, 3, "0"},
      {"2x2 complex", {{"1+i", "2"}, {"3", "4-i"}}, 3, "-1+3i"},
      {"2x2 rounds each step", {{"0,3", "0,41"}, {"0,09", "0,677"}}, 2, "0,16"},
      {"3x3 Sarrus", {{"1", "2", "i"}, {"-i", "3", "1"}, {"2", "1+i", "1"}}, 3, "7-4i"},
      {"4x4 expansion",
       {{"2", "1", "0", "i"}, {"1", "1+i", "0", "0"}, {"0", "2", "i", "1"}, {"1", "0", "0", "3"}},
       3,
       "-5+4i"},
      {"the sign multiplication rounds the element",
       {{"0", "", "", ""}, {"0,1231", "", "", ""}, {"0", "10", "", ""}, {"0", "", "10", ""}},
       3,
       "0"},
      {"element rounded before the minor",
       {{"0", "10", "", ""}, {"0,1231", "", "", ""}, {"0", "", "10", ""}, {"0", "", "", "10"}},
       3,
       "-123"},
      {"empty cells are zero", {{"", "", ""}, {"", "", ""}, {"", "", ""}}, 3, "0"},
      {"identity 5x5",
       {{"1", "", "", "", ""},
        {"", "1", "", "", ""},
        {"", "", "1", "", ""},
        {"", "", "", "1", ""},
        {"", "", "", "", "1"}},
       3,
       "1"},
  };
  for (const auto& c : cases) {
    MessageRecorder messages;
    EXPECT_EQ(GridDeterminant(MatrixGrid(c.rows), c.places), c.determinant) << c.name;
    EXPECT_TRUE(messages.messages.empty()) << c.name;
  }
}

// "No factor yet" in a diagonal product is a state of its own, never a text:
// a cell holding "?" (what a character without a Windows-1250 code becomes)
// reads as any unreadable text does, as 0, wherever it stands.
TEST(GridDeterminant, AQuestionMarkCellReadsAsAnyUnreadableText) {
  for (const char* cell : {"?", "abc", "0"}) {
    SCOPED_TRACE(cell);
    const Grid first = MatrixGrid({{cell, "2", "3"}, {"4", "5", "6"}, {"7", "8", "10"}});
    EXPECT_EQ(GridDeterminant(first, 3), "-5");
    EXPECT_EQ(LiteralGridDeterminant(first, 3), "-5");
    const Grid diagonal = MatrixGrid({{cell, "0", "0"}, {"0", cell, "0"}, {"0", "0", "2,5000"}});
    EXPECT_EQ(GridDeterminant(diagonal, 3), "0");
    EXPECT_EQ(LiteralGridDeterminant(diagonal, 3), "0");
  }
}

TEST(GridDeterminant, ShowsAMessageForGridsItCannotUse) {
  struct Case {
    const char* name;
    Grid grid;
    std::string message;
  };
  Grid oneFixedRow = MatrixGrid({{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
  oneFixedRow.SetFixedCols(0);  // 4 rows less 1 fixed, 4 columns: 3 x 4
  Grid twoFixedRows = MatrixGrid({{"1", "2"}, {"3", "4"}, {"5", "6"}});
  twoFixedRows.SetFixedRows(2);  // a 2 x 2 matrix with 2 fixed rows and 1 fixed column
  const Case cases[] = {
      {"2x3", MatrixGrid({{"1", "2", "3"}, {"4", "5", "6"}}), kNotSquare},
      {"fixed row only", oneFixedRow, kNotSquare},
      {"fixed counts differ", twoFixedRows, kFixedCountsDiffer},
  };
  for (const auto& c : cases) {
    MessageRecorder messages;
    EXPECT_EQ(GridDeterminant(c.grid, 3), "0") << c.name;
    EXPECT_EQ(messages.messages, std::vector<std::string>{c.message}) << c.name;
  }
}

TEST(GridDeterminant, ErrorsOfTheArithmeticPropagate) {
  const std::string beyondExtended = std::string(5000, '9') + "E-10000";  // its reading overflows
  struct Case {
    const char* name;
    Grid grid;
    FloatError::Kind kind;
  };
  const Case cases[] = {
      {"4x4 signed element too large to write",
       MatrixGrid({{"1E200", "0", "0", "0"}, {"0", "1E200", "0", "0"}, {"0", "0", "1", "0"}, {"0", "0", "0", "1"}}),
       FloatError::Kind::InvalidOperation},
      // The 2 x 2 rule reads a(2,1) and a(1,2) and multiplies them before it
      // reads a(1,1) and a(2,2), whose product could fail otherwise.
      {"2x2 reading", MatrixGrid({{"1E19", beyondExtended}, {"1", "1"}}), FloatError::Kind::Overflow},
      {"2x2 reading second", MatrixGrid({{"1", "1"}, {beyondExtended, "1E400"}}), FloatError::Kind::Overflow},
      {"2x2 product too large to write", MatrixGrid({{"1E19", "0"}, {"0", "1"}}), FloatError::Kind::InvalidOperation},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      GridDeterminant(c.grid, 3);
      ADD_FAILURE() << "no error";
    } catch (const FloatError& e) {
      EXPECT_EQ(e.kind(), c.kind);
    }
    EXPECT_EQ(Outcome([&] { return LiteralGridDeterminant(c.grid, 3); }),
              Outcome([&] { return GridDeterminant(c.grid, 3); }));
  }
  const Grid tooLarge =
      MatrixGrid({{"65536", "0", "0", "0"}, {"0", "32768", "0", "0"}, {"0", "0", "1", "0"}, {"0", "0", "0", "1"}});
  EXPECT_EQ(GridDeterminant(tooLarge, 3), std::string(kTooLargeNumber)) << "never a plausible number";
}

// Random matrices of every kind of cell text, compared text for text with
// the literal expansion, errors included.
class RandomMatrix {
 public:
  explicit RandomMatrix(unsigned seed) : rng_(seed) {}

  std::string Cell(int places) {
    switch (Pick(12)) {
      case 0: return "";
      case 1: return std::to_string(Pick(19) - 9);
      case 2: return Decimal(places);
      case 3: return Decimal(places) + (Pick(2) ? "+" : "-") + Decimal(places) + "i";
      case 4: return Decimal(places) + "i";
      case 5:
        return std::vector<std::string>{"?", "i", "-i", "abc", "1,5x", "2i3", " ", "1E-5i", "-0", "0,5.5"}[Pick(10)];
      case 6: return std::vector<std::string>{"1E200", "-3E180i", "1E155", "2E9"}[Pick(4)];  // overflow and too large
      case 7: return std::string(kTooLargeNumber);
      default: return std::to_string(Pick(9) + 1) + (Pick(2) ? "+" : "-") + std::to_string(Pick(9)) + "i";
    }
  }

  Grid Matrix(int n, int places) {
    Rows rows(static_cast<std::size_t>(n));
    for (auto& row : rows) {
      for (int j = 0; j < n; ++j) row.push_back(Cell(places));
    }
    return MatrixGrid(rows);
  }

  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng_); }

 private:
  // A decimal with one or two more digits than the places, often on the
  // rounding threshold (..45, ..5).
  std::string Decimal(int places) {
    std::string text = (Pick(3) == 0 ? "-" : "") + std::to_string(Pick(20)) + ",";
    for (int i = 0; i < places - 1; ++i) text += static_cast<char>('0' + Pick(10));
    text += Pick(2) ? "45" : std::string(1, static_cast<char>('0' + Pick(10))) + "5";
    return text;
  }

  std::mt19937 rng_;
};

TEST(GridDeterminant, MatchesTheLiteralExpansionOnRandomMatrices) {
  RandomMatrix random(20261208);
  int errors = 0;
  for (int trial = 0; trial < 1200; ++trial) {
    const int n = 1 + trial % 7;
    const int places = 2 + random.Pick(8);
    // Mostly ordinary cells; every fifth matrix may hold overflowing ones.
    Grid grid = random.Matrix(n, places);
    if (trial % 5 != 0) {
      for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
          const std::string& cell = grid.Cells(j, i);
          if (cell.find('E') != std::string::npos || cell == std::string(kTooLargeNumber)) {
            grid.SetCells(j, i, std::to_string(random.Pick(7) - 3));
          }
        }
      }
    }
    const std::string expected = Outcome([&] { return testing::LiteralGridDeterminant(grid, places); });
    const std::string actual = Outcome([&] { return GridDeterminant(grid, places); });
    ASSERT_EQ(actual, expected) << "trial " << trial << ", n " << n << ", places " << places;
    errors += expected.starts_with("error") ? 1 : 0;
  }
  EXPECT_GT(errors, 10) << "the random matrices should raise errors too";
}

TEST(MinorDeterminants, EveryMinorMatchesAFreshExpansionOfIt) {
  RandomMatrix random(7);
  for (int n = 2; n <= 6; ++n) {
    for (int trial = 0; trial < 8; ++trial) {
      const int places = 2 + random.Pick(8);
      Grid grid = random.Matrix(n, places);
      for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
          if (grid.Cells(j, i).find('E') != std::string::npos) grid.SetCells(j, i, "2-i");
        }
      }
      MinorDeterminants minors(grid, places);
      for (int row = 1; row <= n; ++row) {
        for (int col = 1; col <= n; ++col) {
          Grid minor;
          CopyGrid(grid, minor, false);
          DeleteRow(minor, row);
          DeleteCol(minor, col);
          ASSERT_EQ(minors.Minor(row, col), LiteralGridDeterminant(minor, places))
              << "n " << n << " row " << row << " col " << col;
        }
      }
      EXPECT_EQ(minors.Whole(), LiteralGridDeterminant(grid, places));
    }
  }
}

// What a kept memo drops on an edit: exactly the minors that keep both the
// row and the column of a changed cell. The whole 5 x 5 expansion holds every
// row set of sizes 3 to 5 with as many last columns: 10 + 5 + 1 minors (the
// rule of Sarrus needs no smaller ones).
TEST(MinorDeterminants, AnEditDropsOnlyTheMinorsThatKeepTheEditedCell) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, int>> edited;  // (row, column), from 1
    int places;
    std::size_t kept;
  };
  const Case cases[] = {
      {"nothing changed", {}, 3, 16},
      {"first column: only the whole keeps it", {{1, 1}}, 3, 15},
      {"last row and column: the 11 row sets with row 5 go", {{5, 5}}, 3, 5},
      {"two cells of one row", {{2, 4}, {2, 5}}, 3, 5},
      {"column 2: the whole and the four 4 x 4 minors with row 3 go", {{3, 2}}, 3, 11},
      {"half the cells and one more: afresh",
       {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {2, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5}, {3, 1}, {3, 2}, {3, 3}},
       3,
       0},
      {"other places: afresh", {}, 4, 0},
  };
  RandomMatrix random(11);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Grid grid = random.Matrix(5, 3);
    for (int i = 1; i <= 5; ++i) {
      for (int j = 1; j <= 5; ++j) grid.SetCells(j, i, std::to_string(i * j % 7) + "-i");
    }
    MinorDeterminants minors(grid, 3);
    minors.Whole();
    ASSERT_EQ(minors.KeptMinors(), 16u);
    for (const auto& [row, col] : c.edited) grid.SetCells(col, row, grid.Cells(col, row) + "5");
    minors.Update(grid, c.places);
    EXPECT_EQ(minors.KeptMinors(), c.kept);
    EXPECT_EQ(minors.Whole(), LiteralGridDeterminant(grid, c.places));
  }
}

// A memo kept through random edits gives, after each, what a fresh one gives,
// errors included: single cells, several at once, a cell set back to an old
// text, cells whose reading or products fail, other places and other sizes.
TEST(MinorDeterminants, AKeptMemoGivesWhatAFreshOneGivesAfterEveryEdit) {
  RandomMatrix random(20261209);
  int errors = 0;
  for (int sequence = 0; sequence < 60; ++sequence) {
    int n = 2 + sequence % 6;
    int places = 2 + random.Pick(8);
    Grid grid = random.Matrix(n, places);
    MinorDeterminants kept(grid, places);
    for (int step = 0; step < 8; ++step) {
      switch (random.Pick(10)) {
        case 0: places = 2 + random.Pick(8); break;
        case 1: n = 2 + random.Pick(6), grid = random.Matrix(n, places); break;
        case 2: grid.SetCells(1, 1, "1E200"); break;
        default:
          for (int edits = 1 + random.Pick(3); edits > 0; --edits) {
            grid.SetCells(1 + random.Pick(n), 1 + random.Pick(n), random.Cell(places));
          }
      }
      kept.Update(grid, places);
      MinorDeterminants fresh(grid, places);
      // The whole first or last, so that minors are also met in a memo that
      // an error left half full.
      const bool wholeFirst = random.Pick(2) == 0;
      if (wholeFirst) {
        ASSERT_EQ(Outcome([&] { return kept.Whole(); }), Outcome([&] { return fresh.Whole(); }));
      }
      for (int row = 1; row <= n; ++row) {
        for (int col = 1; col <= n; ++col) {
          const std::string expected = Outcome([&] { return fresh.Minor(row, col); });
          ASSERT_EQ(Outcome([&] { return kept.Minor(row, col); }), expected)
              << "sequence " << sequence << " step " << step << " minor " << row << "," << col;
          errors += expected.starts_with("error") ? 1 : 0;
        }
      }
      if (!wholeFirst) {
        ASSERT_EQ(Outcome([&] { return kept.Whole(); }), Outcome([&] { return fresh.Whole(); }));
      }
    }
  }
  EXPECT_GT(errors, 20) << "the edits should raise errors too";
}

}  // namespace
}  // namespace zorvel
