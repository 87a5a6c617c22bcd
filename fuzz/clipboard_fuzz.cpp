// Bytes as clipboard text, pasted into an input matrix of the real window,
// offscreen. The first byte chooses the matrix and the operation, the next
// two the current cell (0: none); the rest is the text, read as UTF-8. Each
// input starts from the window as it was made, with both matrices empty 3 x 3.
// The tab-separated reader must give back its text, line ends aside; after
// the paste both matrices stay within 20 x 10, the size fields match their
// grids, the other matrix is untouched, the pasted block stands from the
// current cell on (a cell may be cut when it is very long), and only
// floating-point errors are reported. Message boxes and error reports are
// recorded, never shown.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Cp1250.h"
#include "HandlerGuard.h"
#include "PlatformRecorders.h"
#include "SpinEdit.h"
#include "Startup.h"
#include "StringGrid.h"
#include "TMain.h"
#include "TabSeparated.h"

#ifdef NDEBUG
#error "the fuzz targets need the asserts of the libraries they test"
#endif

namespace {

using namespace zorvel;

// The longest cell a paste may leave whole; a longer one may be cut.
constexpr std::size_t kLongestCell = 32767;

void Check(bool condition) {
  if (!condition) std::abort();
}

bool SameCells(const Grid& a, const Grid& b) {
  if (a.RowCount() != b.RowCount() || a.ColCount() != b.ColCount() || a.FixedRows() != b.FixedRows() ||
      a.FixedCols() != b.FixedCols()) {
    return false;
  }
  // Hidden cells beyond the size count too: they show again when it grows.
  for (int r = 0; r <= 21; ++r) {
    for (int c = 0; c <= 11; ++c) {
      if (a.Cells(c, r) != b.Cells(c, r)) return false;
    }
  }
  return true;
}

// What the reader must give back: the text with Windows and old Mac line ends
// made Unix ones and one final line end dropped.
void CheckReader(const QString& text, const QList<QStringList>& rows) {
  QString normal = text;
  normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (normal.endsWith(QLatin1Char('\n'))) normal.chop(1);
  QStringList lines;
  for (const QStringList& row : rows) lines.append(row.join(QLatin1Char('\t')));
  Check(lines.join(QLatin1Char('\n')) == normal);
  Check(rows.isEmpty() == normal.isEmpty());
}

void CheckSizes(SpinEdit* rows, SpinEdit* cols, const Grid& grid) {
  Check(grid.RowCount() - 1 >= 1 && grid.RowCount() - 1 <= 20);
  Check(grid.ColCount() - 1 >= 1 && grid.ColCount() - 1 <= 10);
  Check(rows->Value() == grid.RowCount() - 1);
  Check(cols->Value() == grid.ColCount() - 1);
}

bool IsFloatingPointReport(const QString& text) {
  return text == QStringLiteral("Invalid floating point operation.") ||
         text == QStringLiteral("Floating point overflow.") ||
         text == QStringLiteral("Floating point division by zero.");
}

struct Harness {
  QApplication* application;
  TMain* window;
  DialogRecorder* dialogs;
  Grid pristine1;
  Grid pristine2;
};

Harness& Get() {
  static Harness harness = [] {
    static int argc = 1;
    static char name[] = "clipboard_fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Harness h{};
    // Made once and kept for the life of the process.
    h.application = new QApplication(argc, argv);
    InitialiseApplication();
    h.dialogs = new DialogRecorder;
    h.window = CreateMain().release();
    h.window->show();
    h.pristine1 = h.window->Pole1->grid();
    h.pristine2 = h.window->Pole2->grid();
    return h;
  }();
  return harness;
}

// Back to both matrices empty 3 x 3 and the chosen operation.
void Reset(Harness& h, int operation) {
  TMain& w = *h.window;
  RunGuarded([&] {
    w.Pole1->grid() = h.pristine1;
    w.Pole2->grid() = h.pristine2;
    for (SpinEdit* size : {w.SpinEdit1, w.SpinEdit2, w.SpinEdit3, w.SpinEdit4}) size->SetValue(3);
    w.ComboBox1->setCurrentIndex(operation);
    w.ComboBox1Change();
  });
  h.dialogs->messages.clear();
  h.dialogs->errors.clear();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  Harness& h = Get();
  TMain& w = *h.window;
  const bool intoMatrix1 = data[0] % 2 == 0;
  Reset(h, data[0] / 2 % 4);
  StringGrid* const pole = intoMatrix1 ? w.Pole1 : w.Pole2;
  StringGrid* const other = intoMatrix1 ? w.Pole2 : w.Pole1;
  const Grid otherBefore = other->grid();

  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3));
  const QList<QStringList> block = FromTabSeparated(text);
  CheckReader(text, block);

  // The current cell, among the three rows and columns there are; 0: none.
  const int row = data[1] % 4, col = data[2] % 4;
  pole->setCurrentIndex(row > 0 && col > 0 ? pole->model()->index(row - 1, col - 1) : QModelIndex());
  const int top = row > 0 && col > 0 ? row : 1;
  const int left = row > 0 && col > 0 ? col : 1;
  QApplication::clipboard()->setText(text);
  RunGuarded([&] { w.PasteIntoMatrix(pole); });

  CheckSizes(w.SpinEdit1, w.SpinEdit2, w.Pole1->grid());
  CheckSizes(w.SpinEdit3, w.SpinEdit4, w.Pole2->grid());
  Check(SameCells(other->grid(), otherBefore));
  const Grid& grid = pole->grid();
  if (!block.isEmpty()) {  // grown as far as the block reaches, within the limits
    qsizetype widest = 0;
    for (const QStringList& cells : block) widest = std::max(widest, cells.size());
    Check(grid.RowCount() - 1 >= std::min<qsizetype>(top + block.size() - 1, 20));
    Check(grid.ColCount() - 1 >= std::min<qsizetype>(left + widest - 1, 10));
  }
  for (int r = top; r < grid.RowCount() && r - top < block.size(); ++r) {
    const QStringList& cells = block[r - top];
    for (int c = left; c < grid.ColCount() && c - left < cells.size(); ++c) {
      const std::string expected = ToCp1250(cells[c - left]);
      const std::string& shown = grid.Cells(c, r);
      if (shown == expected) continue;
      // Cut: a prefix of at least the longest whole cell (its last character
      // may be half of a pair that became one byte).
      Check(expected.size() > kLongestCell && shown.size() >= kLongestCell - 1 && shown.size() < expected.size());
      Check(expected.compare(0, shown.size() - 1, shown, 0, shown.size() - 1) == 0);
    }
  }
  for (const QString& error : h.dialogs->errors) Check(IsFloatingPointReport(error));
  Check(h.dialogs->messages.size() <= 1);  // at most one message per paste
  QApplication::processEvents();  // the views repaint, as after a real paste
  return 0;
}
