#include "SeparatorChoice.h"

#include "BlankSeparated.h"

namespace zorvel {
namespace {

constexpr QChar kQuote = u'"';

bool LineEnd(QChar c) { return c == u'\n' || c == u'\r'; }
bool Blank(QChar c) { return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F); }

// Calls `visit(i)` for every character of the text outside quotes. A quote
// opens a quoted cell where a cell can start (a line's start, after ";",
// "," or a tab, blanks after them aside); inside, a doubled quote is one.
template <typename Visit>
void VisitUnquoted(const QString& text, Visit&& visit) {
  bool inQuotes = false;
  bool cellStart = true;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (inQuotes) {
      if (c != kQuote) continue;
      if (i + 1 < text.size() && text.at(i + 1) == kQuote) {
        ++i;
      } else {
        inQuotes = false;
      }
      continue;
    }
    if (c == kQuote && cellStart) {
      inQuotes = true;
      cellStart = false;
      continue;
    }
    visit(i);
    if (c == u';' || c == u',' || c == u'\t' || LineEnd(c)) {
      cellStart = true;
    } else if (!Blank(c)) {
      cellStart = false;
    }
  }
}

bool HasUnquoted(const QString& text, QChar wanted) {
  bool found = false;
  VisitUnquoted(text, [&](qsizetype i) { found = found || text.at(i) == wanted; });
  return found;
}

}  // namespace

bool CommasSeparate(const QString& text) {
  bool separate = false;
  bool commas = false;
  bool pointDecimals = false;
  int commasInRun = 0;  // in the run of digits and commas the scan is in
  VisitUnquoted(text, [&](qsizetype i) {
    const QChar c = text.at(i);
    const QChar before = i > 0 ? text.at(i - 1) : QChar(u'\n');
    const QChar after = i + 1 < text.size() ? text.at(i + 1) : QChar(u'\n');
    if (c == u',') {
      commas = true;
      const bool decimalLike =
          after.isDigit() && (before.isDigit() || before == u'+' || before == u'-' || Blank(before) || LineEnd(before));
      separate = separate || !decimalLike || ++commasInRun >= 2;
    } else if (!c.isDigit()) {
      commasInRun = 0;
    }
    pointDecimals = pointDecimals || (c == u'.' && before.isDigit() && after.isDigit());
  });
  return commas && (separate || pointDecimals);
}

TextLayout ChooseLayout(const QString& text, std::optional<MatrixFormat> format) {
  if (format == MatrixFormat::Tsv || (!format && text.contains(u'\t'))) return {};
  if (HasUnquoted(text, u';')) return {TextLayout::Kind::Separated, u';', true};
  if (format && HasUnquoted(text, u'\t')) return {TextLayout::Kind::Separated, u'\t', true};
  if (CommasSeparate(text)) return {TextLayout::Kind::Separated, u',', true};
  if (format) return {TextLayout::Kind::Separated, u';', true};
  if (SplitOnBlanks(text)) return {TextLayout::Kind::Blanks, u' ', false};
  return {};
}

}  // namespace zorvel
