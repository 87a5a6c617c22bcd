// Bytes as steps of a user on the real window, offscreen: pastes chained
// with undo, redo, new places, the exact mode and other operations and
// sizes. The first step is a paste into a window as it is made, both
// matrices empty 3 x 3: its first byte chooses the matrix (bit 0), the
// operation (/ 2 % 5) and the exact mode (/ 10 % 2), the next two the
// current cell (row and column % 4; 0: none), and the text, read as UTF-8,
// runs to the first zero byte. Each later step has four bytes and a text
// that runs to the next zero byte. Its first byte says what it does (% 8):
// 0 and 1 paste their text into matrix 1 or 2, the next two bytes giving the
// current cell as above; 2 undoes, 3 redoes; 4 types the places (2 + the
// next byte % 8); 5 clicks Presne; 6 chooses an operation (the next byte
// % 5); 7 types a size of a matrix (the next byte % 2): rows 1 + % 20, then
// columns 1 + % 10 of the two bytes after.
//
// After every step the window must show what the calculations give afresh
// for the input it holds (WindowCheck.h), undo and redo must bring back the
// input of each step (UndoModel.h), a paste must leave what PasteChecks.h
// says, only floating-point errors may be reported and at most one message
// a paste. Message boxes and error reports are recorded, never shown.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "FuzzCheck.h"
#include "HandlerGuard.h"
#include "InputHistory.h"
#include "PasteChecks.h"
#include "PlatformRecorders.h"
#include "SpinEdit.h"
#include "Startup.h"
#include "StringGrid.h"
#include "TMain.h"
#include "TabSeparated.h"
#include "UndoModel.h"
#include "WindowCheck.h"

namespace {

using namespace zorvel;
using namespace zorvel::fuzz;

// Steps taken at most: each recalculates in the window and afresh.
constexpr std::size_t kSteps = 8;
// What a recalculation costs bounds the matrices. By hand, matrix 1 keeps
// within eight columns (a 10 x 10 inverse takes a twentieth of a second in
// the window and again afresh, at every step), and matrix 2 within three
// where the input may solve (Cramer's rule for 8 x 8 with ten columns takes
// as long as eighty determinants). Where the input uses the exact mode,
// both keep within six columns and pasted cells are cut to a dozen
// characters: exact arithmetic on 10 x 10 matrices of 10^300s, or on cells
// of hundreds of digits, takes a large part of a second.
constexpr int kHandColumns1 = 8;
constexpr int kSolveColumns2 = 3;
constexpr int kExactColumns = 6;
constexpr int kExactCell = 12;

enum class Kind { Paste1, Paste2, Undo, Redo, Places, Presne, Operation, Size };

struct Step {
  Kind kind{};
  std::string_view arguments;  // up to three bytes
  std::string_view text;
};

bool IsFloatingPointReport(const QString& text) {
  return text == QStringLiteral("Invalid floating point operation.") ||
         text == QStringLiteral("Floating point overflow.") ||
         text == QStringLiteral("Floating point division by zero.");
}

int Byte(std::string_view bytes, std::size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0; }

struct Harness {
  QApplication* application;
  TMain* window;
  DialogRecorder* dialogs;
  Grid pristine1;
  Grid pristine2;
  int pristinePlaces;
  int maxColumns;
};

Harness& Get() {
  static Harness harness = [] {
    static int argc = 1;
    static char name[] = "clipboard_fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Harness h{};
    // Made once and kept for the life of the process: a window takes a
    // tenth of a second to make.
    h.application = new QApplication(argc, argv);
    InitialiseApplication();
    h.dialogs = new DialogRecorder;
    h.window = CreateMain().release();
    h.window->show();
    h.pristine1 = h.window->Pole1->grid();
    h.pristine2 = h.window->Pole2->grid();
    h.pristinePlaces = h.window->DesM->Value();
    h.maxColumns = h.window->SpinEdit4->MaxValue();
    return h;
  }();
  return harness;
}

class Session {
 public:
  explicit Session(Harness& h) : h_(h), w_(*h.window) {}

  // The window back to both matrices empty 3 x 3 and the first places,
  // within the limits that the input's steps allow, in the mode and with
  // the operation it chooses; its history starts afresh there. Matrix 1's
  // kept minors start afresh too (a change of places drops them); Cramer's
  // kept minors are brought up to date, as in a long session.
  void Start(int operation, bool exact, bool exactLater, bool maySolve) {
    exact_ = exact || exactLater;
    {
      const InputHistory::FreshStart fresh(w_.History());
      RunGuarded([&] {
        w_.SpinEdit2->SetMaxValue(exact_ ? kExactColumns : kHandColumns1);
        w_.SpinEdit4->SetMaxValue(exact_ ? kExactColumns : maySolve ? kSolveColumns2 : h_.maxColumns);
        w_.Pole1->grid() = h_.pristine1;
        w_.Pole2->grid() = h_.pristine2;
        for (SpinEdit* size : {w_.SpinEdit1, w_.SpinEdit2, w_.SpinEdit3, w_.SpinEdit4}) size->SetValue(3);
        w_.CheckBoxPresne->setChecked(false);
        w_.DesM->SetValue(h_.pristinePlaces == 9 ? 8 : 9);
        w_.DesM->SetValue(h_.pristinePlaces);
        w_.CheckBoxPresne->setChecked(exact);
        w_.ComboBox1->setCurrentIndex(operation);
        w_.ComboBox1Change();
      });
    }
    model_.emplace(w_);
    Forget();
  }

  void Take(const Step& step) {
    const std::string_view b = step.arguments;
    switch (step.kind) {
      case Kind::Paste1:
      case Kind::Paste2:
        Paste(step.kind == Kind::Paste1 ? w_.Pole1 : w_.Pole2, Byte(b, 0), Byte(b, 1), step.text);
        break;
      case Kind::Undo:
        w_.History().UndoAction()->trigger();
        model_->Undone(w_);
        break;
      case Kind::Redo:
        w_.History().RedoAction()->trigger();
        model_->Redone(w_);
        break;
      case Kind::Places:
        RunGuarded([&] { w_.DesM->SetText(QString::number(2 + Byte(b, 0) % 8)); });
        model_->Acted(w_, 4);
        break;
      case Kind::Presne:
        w_.CheckBoxPresne->click();
        model_->Acted(w_, -1);
        break;
      case Kind::Operation:
        w_.ComboBox1->setCurrentIndex(Byte(b, 0) % 5);
        emit w_.ComboBox1->activated(w_.ComboBox1->currentIndex());
        model_->Acted(w_, -1);
        break;
      case Kind::Size: {
        const bool matrix1 = Byte(b, 0) % 2 == 0;
        SpinEdit* const rows = matrix1 ? w_.SpinEdit1 : w_.SpinEdit3;
        SpinEdit* const cols = matrix1 ? w_.SpinEdit2 : w_.SpinEdit4;
        RunGuarded([&] { rows->SetText(QString::number(1 + Byte(b, 1) % 20)); });
        model_->Acted(w_, matrix1 ? 0 : 2);
        RunGuarded([&] { cols->SetText(QString::number(1 + Byte(b, 2) % 10)); });
        model_->Acted(w_, matrix1 ? 1 : 3);
        break;
      }
    }
    for (const QString& error : h_.dialogs->errors) Check(IsFloatingPointReport(error));
    CheckShownResults(w_);
    Forget();
  }

 private:
  void Forget() {
    h_.dialogs->messages.clear();
    h_.dialogs->errors.clear();
  }

  void Paste(StringGrid* pole, int row, int col, std::string_view bytes) {
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    // The window reads numbers separated by blanks from a text that is not
    // its own copy; whether the clipboard is its own does not change.
    QApplication::clipboard()->setText(text);
    const bool own = QApplication::clipboard()->ownsClipboard();
    bool blanks = false;
    QList<QStringList> block = FromPastedText(text, own, blanks);
    if (!blanks) CheckReader(text, block);
    QString pasted = text;
    if (exact_) {
      for (QStringList& cells : block) {
        for (QString& cell : cells) cell.truncate(kExactCell);
      }
      pasted = ToTabSeparated(block);
      block = FromPastedText(pasted, own, blanks);
    }
    const Grid otherBefore = (pole == w_.Pole1 ? w_.Pole2 : w_.Pole1)->grid();
    // The current cell, among the three rows and columns there are at first.
    row %= 4;
    col %= 4;
    const bool current = row > 0 && col > 0 && row < pole->grid().RowCount() && col < pole->grid().ColCount();
    pole->setCurrentIndex(current ? pole->model()->index(row - 1, col - 1) : QModelIndex());
    QApplication::clipboard()->setText(pasted);
    emit pole->pasteRequested();
    CheckPasted(w_, pole, block, current ? row : 1, current ? col : 1, otherBefore);
    Check(h_.dialogs->messages.size() <= 1);
    model_->Acted(w_, -1);
  }

  Harness& h_;
  TMain& w_;
  bool exact_ = false;
  std::optional<UndoModel> model_;
};

// The next `head` bytes, and the text after them up to a zero byte.
std::pair<std::string_view, std::string_view> NextRecord(std::string_view& rest, std::size_t head) {
  const std::string_view first = rest.substr(0, std::min(head, rest.size()));
  rest.remove_prefix(first.size());
  const std::size_t end = rest.find('\0');
  const std::string_view text = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  return {first, text};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  Harness& h = Get();
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  const auto [head, text] = NextRecord(rest, 3);
  const int firstByte = static_cast<unsigned char>(head[0]);
  std::vector<Step> steps{{firstByte % 2 == 0 ? Kind::Paste1 : Kind::Paste2, head.substr(1), text}};
  while (!rest.empty() && steps.size() < kSteps) {
    const auto [bytes, stepText] = NextRecord(rest, 4);
    steps.push_back({static_cast<Kind>(static_cast<unsigned char>(bytes[0]) % 8), bytes.substr(1), stepText});
  }
  const int operation = firstByte / 2 % 5;
  const auto any = [&steps](Kind kind) {
    return std::any_of(steps.begin(), steps.end(), [kind](const Step& s) { return s.kind == kind; });
  };
  const bool exactLater = any(Kind::Presne);
  const bool maySolve = operation == 4 || any(Kind::Operation);

  Session session(h);
  session.Start(operation, firstByte / 10 % 2 == 1, exactLater, maySolve);
  for (const Step& step : steps) session.Take(step);
  QApplication::processEvents();  // the views repaint, as after real steps
  return 0;
}
