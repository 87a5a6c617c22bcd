#include "CalculationExport.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include "Dialogs.h"
#include "HandlerGuard.h"
#include "MatrixFile.h"
#include "Panel.h"
#include "StringGrid.h"
#include "TMain.h"

namespace zorvel {
namespace {

// The page as a PDF: A4 with the document's own layout, text kept as text so
// that viewers can search it.
QByteArray PdfOf(const QString& html) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setTitle(QStringLiteral("Zorvel"));
  writer.setCreator(QStringLiteral("Zorvel"));
  QTextDocument document;
  // A font with the tall brackets' pieces, small enough for ten columns of
  // nine places in blocks on the page.
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSize(9);
  document.setDefaultFont(font);
  document.setHtml(html);
  document.print(&writer);
  return bytes;
}

}  // namespace

CalculationExport::CalculationExport(TMain& window) : window_(window), save_(new QAction(tr("Uložiť výpočet…"), this)) {
  save_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(save_, &QAction::triggered, this, Guarded([this] { Save(); }));
  // The key works wherever the focus is among the matrices and results.
  window.Panel1->addAction(save_);
  for (StringGrid* pole : window.Grids()) {
    pole->AddMenuActions(StringGrid::MenuGroup::Bottom, {save_});
  }
}

void CalculationExport::Save() {
  const QString name = QStringLiteral("vypocet.html");
  const QString path = AskSaveFileName(tr("Uložiť výpočet"), folder_.isEmpty() ? name : QDir(folder_).filePath(name),
                                       tr("Stránka HTML (*.html *.htm);;Dokument PDF (*.pdf)"));
  if (!path.isEmpty()) SaveFile(path);
}

void CalculationExport::SaveFile(const QString& path) {
  const QString html = CalculationReportHtml(window_, steps_ ? steps_() : QList<StepLine>());
  const bool pdf = QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
  const QString error = SaveFileBytes(path, pdf ? PdfOf(html) : html.toUtf8());
  if (!error.isEmpty()) {
    ShowMessageBox(error);
    return;
  }
  folder_ = QFileInfo(path).absolutePath();
}

}  // namespace zorvel
