#include "CalculationReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

#include <algorithm>

#include "CoreTexts.h"
#include "ElidedLabel.h"
#include "MatrixRows.h"
#include "OperationList.h"
#include "Panel.h"
#include "SpinEdit.h"
#include "StringGrid.h"
#include "TMain.h"

namespace zorvel {
namespace {

// In the context the translation tools give Tr("...") in this namespace.
QString Tr(const char* text) { return QCoreApplication::translate("zorvel", text); }

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

// The widest line of matrix text an A4 page takes at the page's font, in
// characters: a wider matrix is set in blocks of columns.
constexpr qsizetype kLineCharacters = 96;

// A value as a factor or a denominator: in parentheses when it is a sum of
// two parts or negative, as a mathematics text writes it ("(-27+39i)").
QString Factor(const QString& value) {
  const bool compound = value.startsWith(u'-') || value.indexOf(u'+', 1) > 0 || value.indexOf(u'-', 1) > 0;
  return compound ? u'(' + value + u')' : value;
}

// The pieces of a bracket beside each row of a matrix, as mathematics sets
// a tall bracket: one "[" for a single row, else top, middle and bottom.
QString BracketPiece(qsizetype row, qsizetype rows, bool left) {
  if (rows == 1) return left ? QStringLiteral("[") : QStringLiteral("]");
  if (row == 0) return left ? QStringLiteral("\u23A1") : QStringLiteral("\u23A4");
  if (row == rows - 1) return left ? QStringLiteral("\u23A3") : QStringLiteral("\u23A6");
  return left ? QStringLiteral("\u23A2") : QStringLiteral("\u23A5");
}

// "name = [matrix]", the matrix in brackets; columns `first` to `last`.
QString MatrixBlock(const QString& name, const QList<QStringList>& rows, qsizetype first, qsizetype last) {
  QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">\n");
  for (qsizetype r = 0; r < rows.size(); ++r) {
    html += QStringLiteral("<tr>");
    if (r == 0) {
      html += QStringLiteral("<td rowspan=\"%1\" valign=\"middle\" style=\"padding-right:6px\">%2</td>")
                  .arg(rows.size())
                  .arg(Escaped(name));
    }
    html += QStringLiteral("<td>%1</td>").arg(BracketPiece(r, rows.size(), true));
    for (qsizetype c = first; c <= last && c < rows[r].size(); ++c) {
      html += QStringLiteral("<td align=\"right\" style=\"padding-left:6px; padding-right:6px\">%1</td>")
                  .arg(Escaped(rows[r][c]));
    }
    html += QStringLiteral("<td>%1</td></tr>\n").arg(BracketPiece(r, rows.size(), false));
  }
  return html + QStringLiteral("</table>\n");
}

// A matrix with its name; one too wide for the page in blocks of columns,
// each headed by the numbers of its columns.
QString Matrix(const QString& name, QList<QStringList> rows, bool shown) {
  if (shown) {
    for (QStringList& row : rows) {
      for (QString& cell : row) cell = ShownValueText(std::move(cell));
    }
  }
  if (rows.isEmpty()) return {};
  qsizetype widest = 1;
  for (const QStringList& row : rows) {
    for (const QString& cell : row) widest = std::max(widest, cell.size());
  }
  const qsizetype cols = rows.front().size();
  const qsizetype perBlock = std::max<qsizetype>(1, kLineCharacters / (widest + 3));
  if (cols <= perBlock)
    return QStringLiteral("<p>%1</p>\n").arg(MatrixBlock(name + QStringLiteral(" ="), rows, 0, cols - 1));
  QString html;
  for (qsizetype first = 0; first < cols; first += perBlock) {
    const qsizetype last = std::min(cols, first + perBlock) - 1;
    html +=
        QStringLiteral("<p>%1</p>\n").arg(Escaped(Tr("%1, stĺpce %2 až %3:").arg(name).arg(first + 1).arg(last + 1)));
    html += MatrixBlock(QString(), rows, first, last);
  }
  return html;
}

QString Heading(const QString& text) { return QStringLiteral("<h2>%1</h2>\n").arg(Escaped(text)); }

// The steps as the tree they are: each level a list inside the line it
// belongs to.
QString Steps(const QList<StepLine>& steps) {
  if (steps.isEmpty()) return {};
  QString html = Heading(Tr("Postup výpočtu"));
  int open = 0;  // lists open
  for (const auto& [depth, text] : steps) {
    while (open < depth + 1) {
      html += QStringLiteral("<ul>\n");
      ++open;
    }
    while (open > depth + 1) {
      html += QStringLiteral("</ul>\n");
      --open;
    }
    html += QStringLiteral("<li>%1</li>\n").arg(Escaped(ShownValueText(text)));
  }
  while (open-- > 0) html += QStringLiteral("</ul>\n");
  return html;
}

QString Paragraph(const QString& text) { return QStringLiteral("<p>%1</p>\n").arg(Escaped(text)); }

QString Result(const TMain& window, Operation operation) {
  QString html = Heading(Tr("Výsledok"));
  // A refusal or an error stands where the result would: the reason is what
  // the window shows, and the grids beneath it hold an earlier result.
  const Panel* view = operation == Operation::Inverse ? window.PanelInverzna : window.PanelVypocet;
  if (view->isHidden()) return html + Paragraph(window.Panel4->Caption());
  const QList<QStringList> result = MatrixRows(window.Pole5->grid());
  // The caption over the result (the rank, the general solution), as shown.
  if (operation != Operation::Inverse && !window.LabelPopis->isHidden()) html += Paragraph(window.LabelPopis->text());
  switch (operation) {
    case Operation::Inverse: {
      // 1/determinant · adjugate = inverse, as the window lays it out.
      const QString inverse = QStringLiteral("A⁻¹");
      const QString adjugate = QStringLiteral("adj A");
      html +=
          Paragraph(QStringLiteral("1 / %1 · %2 = %3").arg(Factor(window.Determinant3->FullText()), adjugate, inverse));
      html += Matrix(adjugate, MatrixRows(window.Pole3->grid()), true);
      return html + Matrix(inverse, MatrixRows(window.Pole4->grid()), true);
    }
    case Operation::Sum: return html + Matrix(QStringLiteral("A + B"), result, true);
    case Operation::Difference: return html + Matrix(QStringLiteral("A − B"), result, true);
    case Operation::Product: return html + Matrix(QStringLiteral("A · B"), result, true);
    case Operation::Solve:
      return html + Paragraph(QStringLiteral("A · X = B")) + Matrix(QStringLiteral("X"), result, true);
    default: break;  // the later operations, named as in the list
  }
  return html + Matrix(window.ComboBox1->currentText(), result, true);
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
  html += Paragraph(Tr("Desatinné miesta: %1.").arg(window.DesM->Value()) + u' ' + mode);
  html += Heading(Tr("Matica 1")) + Matrix(QStringLiteral("A"), MatrixRows(window.Pole1->grid()), false);
  // The strip as under matrix 1: the reciprocal only where the window shows it.
  if (!window.Panel5->isHidden()) {
    QString strip = QStringLiteral("det A = %1").arg(Escaped(window.Determinant1->FullText()));
    if (!window.Determinant11->isHidden()) {
      strip += QStringLiteral("<br>\n1 / det A = %1").arg(Escaped(window.Determinant11->FullText()));
    }
    html += QStringLiteral("<p>%1</p>\n").arg(strip);
  }
  if (operation.has_value() && DescriptionOf(*operation).Operands() == 2) {
    html += Heading(Tr("Matica 2")) + Matrix(QStringLiteral("B"), MatrixRows(window.Pole2->grid()), false);
  }
  if (operation.has_value()) html += Result(window, *operation);
  html += Steps(steps);
  return html + QStringLiteral("</body></html>\n");
}

}  // namespace zorvel
