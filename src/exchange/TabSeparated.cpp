#include "TabSeparated.h"

#include "BlankSeparated.h"

namespace zorvel {

QString ToTabSeparated(const QList<QStringList>& rows) {
  if (rows.size() == 1 && rows.front().size() == 1) return rows.front().front();
  QString text;
  for (const QStringList& row : rows) text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
  return text;
}

QList<QStringList> FromTabSeparated(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  QList<QStringList> rows;
  if (text.isEmpty()) return rows;
  for (const QString& line : text.split(QLatin1Char('\n'))) rows.append(line.split(QLatin1Char('\t')));
  return rows;
}

QList<QStringList> FromPastedText(const QString& text, bool ownCopy, bool& blanks) {
  blanks = false;
  if (!ownCopy && !text.contains(u'\t')) {
    if (std::optional<QList<QStringList>> rows = SplitOnBlanks(text)) {
      blanks = true;
      return *std::move(rows);
    }
  }
  return FromTabSeparated(text);
}

}  // namespace zorvel
