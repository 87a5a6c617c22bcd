#include "MatrixFileActions.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include <utility>

#include "Dialogs.h"
#include "HandlerGuard.h"
#include "InputHistory.h"
#include "MatrixBlock.h"
#include "MatrixFile.h"
#include "MatrixRows.h"
#include "StringGrid.h"
#include "TMain.h"

namespace zorvel {
namespace {

// The file dialogs' filters, in the window's language.
QString OpenFilters() {
  return MatrixFileActions::tr(
      "Matice (*.tsv *.csv *.ods *.xlsx *.txt *.dat);;Text oddelený tabulátormi (*.tsv);;CSV (*.csv);;Tabuľka "
      "(*.ods *.xlsx);;Čísla oddelené medzerami (*.txt *.dat);;Všetky súbory (*)");
}
QString SaveFilters() {
  return MatrixFileActions::tr(
      "Text oddelený tabulátormi (*.tsv);;CSV s bodkočiarkou (*.csv);;Tabuľka OpenDocument (*.ods)");
}

// The files a grid takes when dropped on it.
QStringList DropSuffixes() {
  return {QStringLiteral("tsv"),  QStringLiteral("csv"), QStringLiteral("ods"),
          QStringLiteral("xlsx"), QStringLiteral("txt"), QStringLiteral("dat")};
}

}  // namespace

MatrixFileActions::MatrixFileActions(TMain& window) : window_(window) {
  for (const TMain::MatrixInput& matrix : window.Inputs().matrices) {
    StringGrid* const pole = matrix.pole;
    AddMenuItem(pole, tr("Otvoriť maticu…"), &MatrixFileActions::Open);
    AddMenuItem(pole, tr("Uložiť maticu…"), &MatrixFileActions::Save);
    pole->AcceptFileDrops(DropSuffixes());
    connect(pole, &StringGrid::fileDropped, this, Guarded([this, pole](const QString& path) { OpenFile(pole, path); }));
  }
  for (StringGrid* pole : {window.Pole4, window.Pole5}) {
    AddMenuItem(pole, tr("Uložiť výsledok…"), &MatrixFileActions::Save);
  }
}

void MatrixFileActions::AddMenuItem(StringGrid* pole, const QString& text,
                                    void (MatrixFileActions::*handler)(StringGrid*)) {
  auto* action = new QAction(text, this);
  connect(action, &QAction::triggered, this, Guarded([this, pole, handler] { (this->*handler)(pole); }));
  pole->AddMenuActions(StringGrid::MenuGroup::Bottom, {action});
}

void MatrixFileActions::Open(StringGrid* pole) {
  const QString path = AskOpenFileName(tr("Otvoriť maticu"), folder_, OpenFilters());
  if (!path.isEmpty()) OpenFile(pole, path);
}

void MatrixFileActions::Save(StringGrid* pole) {
  const QString caption = pole->Editable() ? tr("Uložiť maticu") : tr("Uložiť výsledok");
  const QString path = AskSaveFileName(caption, Suggestion(pole), SaveFilters());
  if (!path.isEmpty()) SaveFile(pole, path);
}

QString MatrixFileActions::Suggestion(const StringGrid* pole) const {
  QString name = QStringLiteral("vysledok.tsv");
  const auto& [one, two] = window_.Inputs().matrices;
  if (pole == one.pole) name = QStringLiteral("matica-1.tsv");
  if (pole == two.pole) name = QStringLiteral("matica-2.tsv");
  if (pole == window_.Pole4) name = QStringLiteral("inverzna-matica.tsv");
  return folder_.isEmpty() ? name : QDir(folder_).filePath(name);
}

void MatrixFileActions::OpenFile(StringGrid* pole, const QString& path) {
  MatrixFileContents contents = ReadMatrixFile(path);
  if (contents.error.isEmpty() && contents.sheets.size() > 1) {
    const int sheet = AskItem(tr("Otvoriť maticu"), tr("Hárok zo súboru „%1“:").arg(ShownPath(path)), contents.sheets);
    if (sheet < 0) return;
    if (sheet > 0) contents = ReadMatrixFile(path, sheet);
  }
  if (!contents.error.isEmpty()) {
    ShowMessageBox(contents.error);
    return;
  }
  folder_ = QFileInfo(path).absolutePath();
  if (contents.rows.isEmpty()) {
    ShowMessageBox(tr("Súbor „%1“ je prázdny, neobsahuje maticu.").arg(ShownPath(path)));
    return;
  }
  MatrixBlock block;
  block.rows = std::move(contents.rows);
  block.replacesMatrix = true;
  block.leftOutMessage = [path](int maxRows, int maxCols, int rowsLeftOut, int colsLeftOut) {
    return tr("Matica môže mať najviac %1 riadkov a %2 stĺpcov. Zo súboru „%3“ sa vynechalo "
              "riadkov: %4, stĺpcov: %5.")
        .arg(QString::number(maxRows), QString::number(maxCols), ShownPath(path), QString::number(rowsLeftOut),
             QString::number(colsLeftOut));
  };
  block.cutMessage =
      tr("Niektoré bunky zo súboru „%1“ mali viac ako 32 767 znakov. Ich text bol skrátený.").arg(ShownPath(path));
  QStringList notices;
  const QString separation = SeparationWords(contents.separation);
  if (!separation.isEmpty()) notices << tr("Bunky v súbore „%1“ sú oddelené %2.").arg(ShownPath(path), separation);
  if (contents.headerLeftOut) {
    notices << tr("Prvý riadok súboru vyzerá ako hlavička, vynechal som ho. Krok späť (Ctrl+Z) ho vráti do matice.");
  }
  if (contents.breaksReplaced) {
    notices
        << tr("Tabulátory a zalomenia riadkov v bunkách zo súboru „%1“ boli nahradené medzerami.").arg(ShownPath(path));
  }
  block.notice = notices.join(u'\n');
  if (contents.headerLeftOut) {
    // The file as it stands first, so that one step back gives the header
    // row back as a row of the matrix; said once, by the step after it.
    MatrixBlock whole = block;
    whole.rows.prepend(contents.header);
    whole.leftOutMessage = nullptr;
    whole.cutMessage.clear();
    whole.notice.clear();
    window_.History().Record([&] { PutIntoMatrix(window_, pole, std::move(whole)); });
  }
  window_.History().Record([&] { PutIntoMatrix(window_, pole, std::move(block)); });
}

void MatrixFileActions::SaveFile(const StringGrid* pole, const QString& path) {
  const QString error = SaveMatrixFile(path, MatrixRows(pole->grid()));
  if (!error.isEmpty()) {
    ShowMessageBox(error);
    return;
  }
  folder_ = QFileInfo(path).absolutePath();
}

}  // namespace zorvel
