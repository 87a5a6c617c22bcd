#include "CalculationReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

#include "ElidedLabel.h"
#include "MatrixRows.h"
#include "OperationList.h"
#include "Panel.h"
#include "SpinEdit.h"
#include "StringGrid.h"
#include "TMain.h"

namespace zorvel {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("zorvel::CalculationReport", text); }

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

// A matrix as a table with a border, numbers right-aligned as in the grids.
QString Table(const StringGrid* pole) {
  QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n");
  for (const QStringList& row : MatrixRows(pole->grid())) {
    html += QStringLiteral("<tr>");
    for (const QString& cell : row) html += QStringLiteral("<td align=\"right\">%1</td>").arg(Escaped(cell));
    html += QStringLiteral("</tr>\n");
  }
  return html + QStringLiteral("</table>\n");
}

QString Heading(const QString& text) { return QStringLiteral("<h2>%1</h2>\n").arg(Escaped(text)); }

QString Steps(const QList<StepLine>& steps) {
  if (steps.isEmpty()) return {};
  QString html = Heading(Tr("Postup výpočtu"));
  for (const auto& [depth, text] : steps) {
    html += QStringLiteral("<p style=\"margin-left:%1px; margin-top:0; margin-bottom:0\">%2</p>\n")
                .arg(24 * depth)
                .arg(Escaped(text));
  }
  return html;
}

QString Result(const TMain& window) {
  QString html = Heading(Tr("Výsledok"));
  if (window.ChosenOperation() != Operation::Inverse) {
    // The caption over the result (the rank, the general solution), as shown.
    if (!window.LabelPopis->isHidden()) html += QStringLiteral("<p>%1</p>\n").arg(Escaped(window.LabelPopis->text()));
    return html + Table(window.Pole5);
  }
  // 1/determinant × adjugate = inverse, as the window lays it out.
  html += QStringLiteral("<p>1 / %1 ×</p>\n").arg(Escaped(window.Determinant3->FullText()));
  html += Table(window.Pole3);
  html += QStringLiteral("<p>=</p>\n");
  return html + Table(window.Pole4);
}

}  // namespace

QString CalculationReportHtml(const TMain& window, const QList<StepLine>& steps) {
  const std::optional<Operation> operation = window.ChosenOperation();
  QString html =
      QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n<title>%1</title></head>\n<body>\n")
          .arg(Escaped(Tr("Zorvel: výpočet")));
  html += QStringLiteral("<h1>%1</h1>\n").arg(Escaped(window.ComboBox1->currentText()));
  const QString mode = window.Mode() == CalculationMode::Exact ? Tr("Počítané presne, zaokrúhlené iba výsledky.")
                                                               : Tr("Každý medzivýsledok zaokrúhlený.");
  html += QStringLiteral("<p>%1 %2</p>\n")
              .arg(Escaped(Tr("Desatinné miesta: %1.").arg(window.DesM->Value())), Escaped(mode));
  html += Heading(Tr("Matica 1")) + Table(window.Pole1);
  // The strip as under matrix 1: the reciprocal only where the window shows it.
  if (!window.Panel5->isHidden()) {
    html += QStringLiteral("<p>%1 %2").arg(Escaped(window.Label5->text()), Escaped(window.Determinant1->FullText()));
    if (!window.Determinant11->isHidden()) {
      html +=
          QStringLiteral("<br>\n%1 %2").arg(Escaped(window.Label6->text()), Escaped(window.Determinant11->FullText()));
    }
    html += QStringLiteral("</p>\n");
  }
  if (operation.has_value() && DescriptionOf(*operation).Operands() == 2) {
    html += Heading(Tr("Matica 2")) + Table(window.Pole2);
  }
  if (operation.has_value()) html += Result(window);
  html += Steps(steps);
  return html + QStringLiteral("</body></html>\n");
}

}  // namespace zorvel
