#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Grid.h"
#include "GridOps.h"

namespace zorvel {
namespace {

// A grid whose cells are filled with "c,r" texts, for following moves.
Grid Labelled(int cols, int rows) {
  Grid grid;
  grid.SetColCount(cols);
  grid.SetRowCount(rows);
  for (int c = 0; c < cols; ++c) {
    for (int r = 0; r < rows; ++r) grid.SetCells(c, r, std::to_string(c) + "," + std::to_string(r));
  }
  return grid;
}

std::vector<std::string> Column(const Grid& grid, int col) {
  std::vector<std::string> texts;
  for (int r = 0; r < grid.RowCount(); ++r) texts.push_back(grid.Cells(col, r));
  return texts;
}

TEST(Grid, StartsWithTheDefaults) {
  const Grid grid;
  EXPECT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(grid.FixedCols(), 1);
  EXPECT_EQ(grid.FixedRows(), 1);
  EXPECT_EQ(grid.DefaultColWidth(), 64);
  EXPECT_EQ(grid.DefaultRowHeight(), 24);
  EXPECT_EQ(grid.Cells(3, 2), "");
  EXPECT_EQ(grid.Cells(100000, 100000), "");
  EXPECT_EQ(grid.ColWidths(4), 64);
}

TEST(Grid, ShrinkingAndGrowingKeepsTextsButNotWidths) {
  Grid grid = Labelled(4, 4);
  grid.SetColWidths(3, 99);
  grid.SetColCount(3);
  grid.SetRowCount(3);
  EXPECT_EQ(grid.ColWidths(3), 64) << "past the end reads as the default";
  grid.SetColCount(4);
  grid.SetRowCount(4);
  EXPECT_EQ(grid.Cells(3, 3), "3,3");
  EXPECT_EQ(grid.ColWidths(3), 64) << "a column removed and added again has the default width";
  grid.SetCells(1000, 2000, "far");
  EXPECT_EQ(grid.Cells(1000, 2000), "far");
}

TEST(Grid, CountsFollowTheSizeRules) {
  Grid grid;
  grid.SetRowCount(0);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(grid.FixedRows(), 0) << "a count that reaches the fixed count lowers it first";
  grid.SetColCount(1);
  EXPECT_EQ(grid.ColCount(), 1);
  EXPECT_EQ(grid.FixedCols(), 0);
  grid.SetColCount(-5);
  EXPECT_EQ(grid.ColCount(), 1);
}

TEST(Grid, RejectsBadIndexesAndLeavesItselfUnchanged) {
  struct ErrorCase {
    const char* name;
    void (*act)(Grid&);
    const char* message;
  };
  const ErrorCase cases[] = {
      {"negative column", [](Grid& g) { g.SetCells(-1, 0, "x"); }, "List index out of bounds (-1)"},
      {"negative row", [](Grid& g) { (void)g.Cells(0, -7); }, "List index out of bounds (-7)"},
      {"negative fixed", [](Grid& g) { g.SetFixedCols(-1); }, "Grid index out of range"},
      {"fixed cols", [](Grid& g) { g.SetFixedCols(5); }, "Fixed column count must be less than column count"},
      {"fixed rows", [](Grid& g) { g.SetFixedRows(9); }, "Fixed row count must be less than row count"},
      {"width past end", [](Grid& g) { g.SetColWidths(5, 10); }, "Grid index out of range"},
  };
  for (const auto& c : cases) {
    Grid grid = Labelled(5, 5);
    try {
      c.act(grid);
      ADD_FAILURE() << c.name;
    } catch (const GridError& e) {
      EXPECT_STREQ(e.what(), c.message) << c.name;
    }
    EXPECT_EQ(grid.FixedCols(), 1) << c.name;
    EXPECT_EQ(grid.FixedRows(), 1) << c.name;
    EXPECT_EQ(grid.Cells(0, 0), "0,0") << c.name;
  }
}

TEST(EqualizeColWidths, GivesEveryColumnTheOddWidth) {
  struct Case {
    std::vector<int> dataWidths;
    bool includeFixed;
    std::vector<int> expected;  // fixed column first
  };
  const Case cases[] = {
      {{30, 45, 30, 30}, false, {64, 45, 45, 45, 45}},
      {{50, 30, 30, 30}, false, {64, 50, 50, 50, 50}},
      {{30, 30, 30, 60}, false, {64, 60, 60, 60, 60}},
      {{30, 40, 50}, false, {64, 30, 30, 30}},
      {{30, 45}, false, {64, 30, 45}},
      {{30, 40, 50}, true, {30, 30, 30, 30}},
      {{30, 30, 60, 90}, false, {64, 90, 90, 90, 90}},  // a later odd column wins
  };
  for (const auto& c : cases) {
    Grid grid;
    grid.SetColCount(static_cast<int>(c.dataWidths.size()) + 1);
    for (std::size_t i = 0; i < c.dataWidths.size(); ++i) grid.SetColWidths(static_cast<int>(i) + 1, c.dataWidths[i]);
    EqualizeColWidths(grid, c.includeFixed);
    std::vector<int> widths;
    for (int col = 0; col < grid.ColCount(); ++col) widths.push_back(grid.ColWidths(col));
    EXPECT_EQ(widths, c.expected);
  }
}

TEST(DeleteRowAndCol, MoveTheRestAndTakeTheTextsPastTheEnd) {
  Grid grid = Labelled(4, 4);
  grid.SetCells(0, 4, "past");  // just past the last row
  DeleteRow(grid, 2);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(Column(grid, 0), (std::vector<std::string>{"0,0", "0,1", "0,3"}));
  grid.SetRowCount(4);
  EXPECT_EQ(grid.Cells(0, 3), "past") << "the removed last row holds what was past the end";

  Grid last = Labelled(3, 4);
  DeleteRow(last, 3);
  EXPECT_EQ(last.RowCount(), 3);
  EXPECT_EQ(Column(last, 1), (std::vector<std::string>{"1,0", "1,1", "1,2"}));

  Grid one = Labelled(3, 2);
  one.SetRowCount(1);
  DeleteRow(one, 0);
  EXPECT_EQ(one.RowCount(), 1);
  EXPECT_EQ(one.Cells(2, 0), "2,1") << "one row stays, holding the texts that were in row 1";

  Grid cols = Labelled(4, 3);
  DeleteCol(cols, 1);
  EXPECT_EQ(cols.ColCount(), 3);
  EXPECT_EQ(cols.Cells(1, 0), "2,0");
  EXPECT_EQ(cols.Cells(2, 2), "3,2");
  EXPECT_EQ(cols.Cells(3, 2), "") << "the texts past the end moved in";

  Grid beyond = Labelled(3, 3);
  DeleteCol(beyond, 7);
  EXPECT_EQ(beyond.ColCount(), 2);
  EXPECT_EQ(beyond.Cells(1, 1), "1,1");
}

TEST(CopyGrid, CopiesCountsAndCellsWithinTheSize) {
  const Grid source = Labelled(3, 3);
  Grid destination;
  for (int c = 0; c < 5; ++c) {
    for (int r = 0; r < 5; ++r) destination.SetCells(c, r, "old");
  }
  destination.SetColWidths(1, 77);
  CopyGrid(source, destination, false);
  EXPECT_EQ(destination.ColCount(), 3);
  EXPECT_EQ(destination.RowCount(), 3);
  EXPECT_EQ(destination.Cells(2, 2), "2,2");
  EXPECT_EQ(destination.ColWidths(1), 77) << "widths stay without the flag";
  destination.SetColCount(5);
  destination.SetRowCount(5);
  EXPECT_EQ(destination.Cells(4, 4), "old");
  EXPECT_EQ(destination.Cells(3, 0), "old");

  Grid fixedSource = Labelled(4, 4);
  fixedSource.SetFixedRows(2);
  fixedSource.SetFixedCols(0);
  fixedSource.SetColWidths(2, 55);
  Grid copy;
  CopyGrid(fixedSource, copy, true);
  EXPECT_EQ(copy.FixedRows(), 2);
  EXPECT_EQ(copy.FixedCols(), 0);
  EXPECT_EQ(copy.ColWidths(2), 55);
}

TEST(Grid, ObserverHearsEveryChangeAndIsNotCopied) {
  struct Recorder : GridObserver {
    int cells = 0, shapes = 0, widths = 0;
    void CellChanged(int, int) override { ++cells; }
    void ShapeChanged() override { ++shapes; }
    void ColWidthChanged(int) override { ++widths; }
  } recorder;
  Grid grid;
  grid.SetObserver(&recorder);
  grid.SetCells(1, 1, "x");
  grid.SetCells(1, 1, "x");  // unchanged: nothing to tell
  grid.SetColCount(7);
  grid.SetColWidths(2, 10);
  Grid copy = grid;
  copy.SetCells(2, 2, "y");
  EXPECT_EQ(recorder.cells, 1);
  EXPECT_EQ(recorder.shapes, 1);
  EXPECT_EQ(recorder.widths, 1);
  EXPECT_EQ(copy.Cells(1, 1), "x");
}

}  // namespace
}  // namespace zorvel
