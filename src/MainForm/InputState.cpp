#include "InputState.h"

#include <QCheckBox>
#include <QComboBox>

#include <algorithm>

#include "SpinEdit.h"
#include "StringGrid.h"
#include "TMain.h"

namespace zorvel {
namespace {

struct SizeField {
  SpinEdit* edit;
  StringGrid* pole;
  bool rows;
};

// The four size fields in the order of InputScalars::sizes.
std::array<SizeField, 4> SizeFields(const TMain& window) {
  const auto [one, two] = window.Inputs().matrices;
  return {{{one.rows, one.pole, true},
           {one.cols, one.pole, false},
           {two.rows, two.pole, true},
           {two.cols, two.pole, false}}};
}

const Grid& Matrix(const TMain& window, int matrix) {
  return window.Inputs().matrices[static_cast<std::size_t>(matrix)].pole->grid();
}

}  // namespace

InputScalars ReadScalars(const TMain& window) {
  InputScalars scalars;
  const auto fields = SizeFields(window);
  for (std::size_t i = 0; i < fields.size(); ++i) scalars.sizes[i] = fields[i].edit->Value();
  const TMain::InputControls inputs = window.Inputs();
  scalars.operation = inputs.operation->currentIndex();
  scalars.places = inputs.places->Value();
  scalars.exact = inputs.exact->isChecked();
  scalars.form = inputs.form->currentIndex();
  scalars.unit = inputs.unit->currentIndex();
  scalars.significant = inputs.significant->isChecked();
  return scalars;
}

InputState ReadInput(const TMain& window) {
  InputState state;
  state.rows = kMaxRows;
  state.cols = kMaxCols;
  for (int matrix = 0; matrix < 2; ++matrix) {
    std::vector<std::string>& cells = state.cells[static_cast<std::size_t>(matrix)];
    cells.reserve(static_cast<std::size_t>(state.rows) * static_cast<std::size_t>(state.cols));
    for (int r = 1; r <= state.rows; ++r) {
      for (int c = 1; c <= state.cols; ++c) cells.push_back(Matrix(window, matrix).Cells(c, r));
    }
  }
  state.scalars = ReadScalars(window);
  return state;
}

InputChange TakeChange(InputState& known, const TMain& window) {
  InputChange change;
  for (int matrix = 0; matrix < 2; ++matrix) {
    std::vector<std::string>& cells = known.cells[static_cast<std::size_t>(matrix)];
    const Grid& grid = Matrix(window, matrix);
    for (int r = 1; r <= known.rows; ++r) {
      for (int c = 1; c <= known.cols; ++c) {
        std::string& was = cells[static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(known.cols) +
                                 static_cast<std::size_t>(c - 1)];
        const std::string& now = grid.Cells(c, r);
        if (now == was) continue;
        change.cells.push_back({matrix, r, c, std::move(was), now});
        was = now;
      }
    }
  }
  change.before = known.scalars;
  change.after = known.scalars = ReadScalars(window);
  return change;
}

void MergeChange(InputChange& first, const InputChange& next) {
  for (const CellChange& cell : next.cells) {
    const auto same = std::find_if(first.cells.begin(), first.cells.end(), [&cell](const CellChange& known) {
      return known.matrix == cell.matrix && known.row == cell.row && known.col == cell.col;
    });
    if (same == first.cells.end()) {
      first.cells.push_back(cell);
    } else {
      same->after = cell.after;
    }
  }
  std::erase_if(first.cells, [](const CellChange& cell) { return cell.before == cell.after; });
  first.after = next.after;
}

void ShowInput(TMain& window, const InputScalars& scalars,
               const std::function<void(Grid& matrix1, Grid& matrix2)>& writeCells) {
  const TMain::InputControls inputs = window.Inputs();
  writeCells(inputs.matrices[0].pole->grid(), inputs.matrices[1].pole->grid());
  const auto fields = SizeFields(window);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    fields[i].edit->SetValueQuietly(scalars.sizes[i]);
    TMain::ShowSize(fields[i].pole, fields[i].rows, fields[i].edit->Value());
  }
  inputs.operation->setCurrentIndex(scalars.operation);  // by program: runs no handler
  window.ShowOperationPanels();
  inputs.places->SetValueQuietly(scalars.places);
  window.ShowPlacesSentence();
  inputs.exact->setChecked(scalars.exact);  // by program: runs no handler
  inputs.form->setCurrentIndex(scalars.form);
  inputs.unit->setCurrentIndex(scalars.unit);
  inputs.significant->setChecked(scalars.significant);
  window.ShowPlacesSentence();
  window.Vypocty();
}

void ShowChange(TMain& window, const InputChange& change, bool after) {
  ShowInput(window, after ? change.after : change.before, [&](Grid& matrix1, Grid& matrix2) {
    for (const CellChange& cell : change.cells) {
      (cell.matrix == 0 ? matrix1 : matrix2).SetCells(cell.col, cell.row, after ? cell.after : cell.before);
    }
  });
}

}  // namespace zorvel
