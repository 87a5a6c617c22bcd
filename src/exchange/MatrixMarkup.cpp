#include "MatrixMarkup.h"

#include <algorithm>

namespace zorvel {

QString ToLatexValue(const QString& text) {
  QString latex;
  latex.reserve(text.size() + 8);
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u',': latex += QStringLiteral("{,}"); break;
      case u'\\': latex += QStringLiteral("\\textbackslash{}"); break;
      case u'~': latex += QStringLiteral("\\textasciitilde{}"); break;
      case u'^': latex += QStringLiteral("\\textasciicircum{}"); break;
      case u'#':
      case u'$':
      case u'%':
      case u'&':
      case u'_':
      case u'{':
      case u'}':
        latex += u'\\';
        latex += c;
        break;
      case u'\u2026': latex += QStringLiteral("\\dots{}"); break;  // the ellipsis of a cut text
      default: latex += c;
    }
  }
  return latex;
}

QString ToLatexMatrix(const QList<QStringList>& rows) {
  QString latex = QStringLiteral("\\begin{pmatrix}\n");
  for (qsizetype r = 0; r < rows.size(); ++r) {
    QStringList cells;
    for (const QString& cell : rows[r]) cells << ToLatexValue(cell);
    latex += cells.join(QStringLiteral(" & "));
    latex += r + 1 < rows.size() ? QStringLiteral(" \\\\\n") : QStringLiteral("\n");
  }
  return latex + QStringLiteral("\\end{pmatrix}\n");
}

QString ToMarkdownTable(const QList<QStringList>& rows, int firstColumn) {
  qsizetype cols = 0;
  for (const QStringList& row : rows) cols = std::max(cols, row.size());
  const auto line = [](const QStringList& cells) {
    return QStringLiteral("| ") + cells.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
  };
  QStringList header;
  QStringList rule;
  for (qsizetype c = 0; c < cols; ++c) {
    header << QString::number(firstColumn + c);
    rule << QStringLiteral("---:");
  }
  QString table = line(header) + line(rule);
  for (const QStringList& row : rows) {
    QStringList cells;
    for (qsizetype c = 0; c < cols; ++c) {
      QString cell = c < row.size() ? row[c] : QString();
      cells << cell.replace(u'|', QStringLiteral("\\|"));
    }
    table += line(cells);
  }
  return table;
}

}  // namespace zorvel
