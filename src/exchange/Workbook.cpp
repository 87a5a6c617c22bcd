#include "Workbook.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <algorithm>
#include <initializer_list>
#include <map>
#include <optional>

namespace zorvel {
namespace {

class Texts {
  Q_DECLARE_TR_FUNCTIONS(MatrixFile)
};

const QString kOffice = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString kTable = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString kText = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString kRelations = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
constexpr char kOdsType[] = "application/vnd.oasis.opendocument.spreadsheet";

// A part of the archive larger than this is no sheet of a 20 x 10 matrix,
// however far the used range reaches; it is not unpacked.
constexpr qint64 kMaxPartBytes = qint64{64} * 1024 * 1024;
// Cells past these are not kept: a matrix takes 20 x 10, and the message of
// what was left out counts up to here, so that a cell repeated down a whole
// sheet costs little.
constexpr int kKeptRows = 1000;
constexpr int kKeptCols = 100;

// The cells found, by row and column; empty ones are not kept unless they
// say they are cells (an OpenDocument cell with a type, as Zorvel writes
// its empty cells, so that an empty last row or column stays).
class Cells {
 public:
  void Put(int row, int col, const QString& text, bool typed = false) {
    if ((text.isEmpty() && !typed) || row < 0 || col < 0 || row >= kKeptRows || col >= kKeptCols) return;
    cells_[row][col] = text;
  }
  // The used range: up to the last row with a cell, each row up to its last.
  [[nodiscard]] QList<QStringList> Rows() const {
    QList<QStringList> rows;
    if (cells_.empty()) return rows;
    rows.resize(cells_.rbegin()->first + 1, QStringList{QString()});
    for (const auto& [row, cols] : cells_) {
      QStringList& cells = rows[row];
      cells = QStringList(cols.rbegin()->first + 1);
      for (const auto& [col, text] : cols) cells[col] = text;
    }
    return rows;
  }

 private:
  std::map<int, std::map<int, QString>> cells_;
};

// "2.5" -> "2,5": a stored number with the decimal comma, every digit kept.
QString WithComma(QString value) { return value.replace(u'.', u','); }

// One part of the archive, or the reason it cannot be had; nothing when
// there is no such part.
struct Part {
  bool found = false;
  QByteArray bytes;
  QString error;
};

Part ReadPart(QuaZip& zip, const QString& name) {
  Part part;
  if (!zip.setCurrentFile(name)) return part;
  part.found = true;
  QuaZipFileInfo64 info;
  if (!zip.getCurrentFileInfo(&info)) {
    part.error = Texts::tr("súbor je poškodený");
    return part;
  }
  if (info.isEncrypted()) {
    part.error = Texts::tr("je chránený heslom (zašifrovaný)");
    return part;
  }
  if (info.uncompressedSize > static_cast<quint64>(kMaxPartBytes)) {
    part.error = Texts::tr("je na maticu priveľký");
    return part;
  }
  QuaZipFile file(&zip);
  if (!file.open(QIODevice::ReadOnly)) {
    part.error = Texts::tr("súbor je poškodený");
    return part;
  }
  while (part.bytes.size() <= kMaxPartBytes) {
    const QByteArray chunk = file.read(qint64{1} << 16);
    if (chunk.isEmpty()) break;
    part.bytes += chunk;
  }
  const bool damaged = file.getZipError() != UNZ_OK || part.bytes.size() > kMaxPartBytes;
  file.close();
  if (damaged || file.getZipError() != UNZ_OK) part.error = Texts::tr("súbor je poškodený");
  return part;
}

QString Damaged() { return Texts::tr("súbor je poškodený"); }

// Whether the reader stopped at an error of the XML rather than its end.
bool XmlDamaged(const QXmlStreamReader& xml) { return xml.hasError(); }

// The text of an element up to its end: its characters, those of the
// elements inside it except the ones `skip` names, a text:s as its spaces,
// a tab or line break as a space.
QString OdsText(QXmlStreamReader& xml) {
  QString text;
  int depth = 1;
  while (depth > 0 && !xml.atEnd()) {
    xml.readNext();
    if (xml.isCharacters()) {
      text += xml.text();
    } else if (xml.isStartElement()) {
      const QStringView name = xml.name();
      if (xml.namespaceUri() == kText && name == u"s") {
        const int count = xml.attributes().value(kText, QStringLiteral("c")).toInt();
        text += QString(std::clamp(count, 1, 32767), u' ');
      } else if (xml.namespaceUri() == kText && (name == u"tab" || name == u"line-break")) {
        text += u' ';
      } else if (xml.namespaceUri() == kOffice && name == u"annotation") {
        xml.skipCurrentElement();
        continue;
      }
      ++depth;
    } else if (xml.isEndElement()) {
      --depth;
    }
  }
  return text;
}

// A table:table-cell (or a covered one): its value as the cell's text;
// `typed` when it has a type, even with no text.
QString OdsCell(QXmlStreamReader& xml, bool& typed) {
  const QXmlStreamAttributes attributes = xml.attributes();
  typed = attributes.hasAttribute(kOffice, QStringLiteral("value-type"));
  const QStringView type = attributes.value(kOffice, QStringLiteral("value-type"));
  QString value;
  if (type == u"float" || type == u"percentage" || type == u"currency") {
    value = WithComma(attributes.value(kOffice, QStringLiteral("value")).toString());
  } else if (type == u"boolean") {
    value = attributes.value(kOffice, QStringLiteral("boolean-value")) == u"true" ? QStringLiteral("1")
                                                                                  : QStringLiteral("0");
  } else if (type == u"date") {
    value = attributes.value(kOffice, QStringLiteral("date-value")).toString();
  } else if (type == u"time") {
    value = attributes.value(kOffice, QStringLiteral("time-value")).toString();
  }
  // Paragraphs of the text, one space between.
  QStringList paragraphs;
  while (xml.readNextStartElement()) {
    if (xml.namespaceUri() == kText && xml.name() == u"p") {
      paragraphs << OdsText(xml);
    } else {
      xml.skipCurrentElement();
    }
  }
  return type.isEmpty() || type == u"string" ? paragraphs.join(u' ') : value;
}

int Repeated(const QXmlStreamAttributes& attributes, const QString& name) {
  bool number = false;
  const int count = attributes.value(kTable, name).toInt(&number);
  return number && count > 0 ? count : 1;
}

// One table:table-row: its cells into `cells` from `row` on, as often as it
// is repeated; gives the row after it.
int OdsRow(QXmlStreamReader& xml, int row, Cells& cells) {
  const int rows = Repeated(xml.attributes(), QStringLiteral("number-rows-repeated"));
  struct Found {
    QString text;
    int cols;
    bool typed;
  };
  QList<Found> found;
  bool any = false;
  while (xml.readNextStartElement()) {
    if (xml.namespaceUri() == kTable && (xml.name() == u"table-cell" || xml.name() == u"covered-table-cell")) {
      const int cols = Repeated(xml.attributes(), QStringLiteral("number-columns-repeated"));
      bool typed = false;
      QString text = OdsCell(xml, typed);
      any = any || typed || !text.isEmpty();
      found.append({std::move(text), cols, typed});
    } else {
      xml.skipCurrentElement();
    }
  }
  if (!any) return row + rows;
  for (int r = row; r < row + rows && r < kKeptRows; ++r) {
    int col = 0;
    for (const Found& cell : found) {
      for (int c = 0; c < cell.cols && col < kKeptCols; ++c) cells.Put(r, col++, cell.text, cell.typed);
    }
  }
  return row + rows;
}

WorkbookSheet ReadOds(QuaZip& zip, int sheet) {
  WorkbookSheet result;
  const Part manifest = ReadPart(zip, QStringLiteral("META-INF/manifest.xml"));
  if (manifest.found && manifest.bytes.contains("encryption-data")) {
    result.error = Texts::tr("je chránený heslom (zašifrovaný)");
    return result;
  }
  const Part content = ReadPart(zip, QStringLiteral("content.xml"));
  if (!content.found || !content.error.isEmpty()) {
    result.error = content.found ? content.error : Damaged();
    return result;
  }
  QXmlStreamReader xml(content.bytes);
  Cells cells;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement() || xml.namespaceUri() != kTable || xml.name() != u"table") continue;
    result.sheets << xml.attributes().value(kTable, QStringLiteral("name")).toString();
    if (result.sheets.size() - 1 != sheet) {
      xml.skipCurrentElement();
      continue;
    }
    int row = 0;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
      xml.readNext();
      if (xml.isStartElement() && xml.namespaceUri() == kTable && xml.name() == u"table-row") {
        row = OdsRow(xml, row, cells);
      } else if (xml.isStartElement()) {
        ++depth;  // groups and header rows hold rows too
      } else if (xml.isEndElement()) {
        --depth;
      }
    }
  }
  if (XmlDamaged(xml)) result.error = Damaged();
  result.rows = cells.Rows();
  return result;
}

// "BC12" -> column 54, row 11 (from 0).
std::optional<std::pair<int, int>> CellReference(QStringView reference) {
  int col = 0;
  qsizetype i = 0;
  for (; i < reference.size() && reference[i].isLetter(); ++i) {
    col = col * 26 + (reference[i].toUpper().unicode() - u'A' + 1);
    if (col > kKeptCols) return std::nullopt;
  }
  bool number = false;
  const int row = reference.mid(i).toInt(&number);
  if (i == 0 || !number || row < 1) return std::nullopt;
  return std::pair{col - 1, row - 1};
}

// The text of the t elements inside the current element (a shared string
// or an inline one), without the phonetic runs.
QString XlsxText(QXmlStreamReader& xml) {
  QString text;
  int depth = 1;
  bool inT = false;
  while (depth > 0 && !xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      if (xml.name() == u"rPh") {
        xml.skipCurrentElement();
        continue;
      }
      inT = xml.name() == u"t";
      ++depth;
    } else if (xml.isEndElement()) {
      inT = false;
      --depth;
    } else if (inT && xml.isCharacters()) {
      text += xml.text();
    }
  }
  return text;
}

QStringList SharedStrings(const QByteArray& bytes) {
  QStringList strings;
  QXmlStreamReader xml(bytes);
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == u"si") strings << XlsxText(xml);
  }
  return strings;
}

QString XlsxCell(QXmlStreamReader& xml, const QStringList& shared) {
  const QString type = xml.attributes().value(QStringLiteral("t")).toString();
  QString value;
  QString inlineText;
  while (xml.readNextStartElement()) {
    if (xml.name() == u"v") {
      value = xml.readElementText();
    } else if (xml.name() == u"is") {
      inlineText = XlsxText(xml);
    } else {
      xml.skipCurrentElement();
    }
  }
  if (type == u"s") {
    bool number = false;
    const int index = value.toInt(&number);
    return number && index >= 0 && index < shared.size() ? shared[index] : QString();
  }
  if (type == u"inlineStr") return inlineText;
  if (type.isEmpty() || type == u"n") return WithComma(value);
  return value;  // str, b (1 or 0), e, d
}

void ReadXlsxSheet(const QByteArray& bytes, const QStringList& shared, Cells& cells, bool& damaged) {
  QXmlStreamReader xml(bytes);
  int row = -1;
  int col = 0;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"row") {
      bool number = false;
      const int r = xml.attributes().value(QStringLiteral("r")).toInt(&number);
      row = number && r >= 1 ? r - 1 : row + 1;
      col = 0;
    } else if (xml.name() == u"c") {
      const auto reference = CellReference(xml.attributes().value(QStringLiteral("r")));
      if (reference) std::tie(col, row) = *reference;
      cells.Put(std::max(row, 0), col, XlsxCell(xml, shared));
      ++col;
    }
  }
  damaged = XmlDamaged(xml);
}

// The names of the sheets and the relation ids of their parts.
bool XlsxSheets(const QByteArray& workbook, QStringList& names, QStringList& ids) {
  QXmlStreamReader xml(workbook);
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == u"sheet") {
      names << xml.attributes().value(QStringLiteral("name")).toString();
      ids << xml.attributes().value(kRelations, QStringLiteral("id")).toString();
    }
  }
  return !XmlDamaged(xml);
}

// The part a relation id names, as a path in the archive.
QString XlsxTarget(const QByteArray& relations, const QString& id) {
  QString target;
  QXmlStreamReader xml(relations);
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == u"Relationship" && xml.attributes().value(QStringLiteral("Id")) == id) {
      target = xml.attributes().value(QStringLiteral("Target")).toString();
    }
  }
  return target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
}

// The first reason among the parts', or a damaged file for a part missing.
QString PartsError(std::initializer_list<const Part*> needed, std::initializer_list<const Part*> optional) {
  for (const Part* part : needed) {
    if (!part->found) return Damaged();
    if (!part->error.isEmpty()) return part->error;
  }
  for (const Part* part : optional) {
    if (!part->error.isEmpty()) return part->error;
  }
  return {};
}

WorkbookSheet ReadXlsx(QuaZip& zip, int sheet) {
  WorkbookSheet result;
  const Part workbook = ReadPart(zip, QStringLiteral("xl/workbook.xml"));
  const Part relations = ReadPart(zip, QStringLiteral("xl/_rels/workbook.xml.rels"));
  result.error = PartsError({&workbook, &relations}, {});
  if (!result.error.isEmpty()) return result;
  QStringList ids;
  if (!XlsxSheets(workbook.bytes, result.sheets, ids)) {
    result.error = Damaged();
    return result;
  }
  if (sheet >= ids.size()) return result;  // said by the caller
  const Part strings = ReadPart(zip, QStringLiteral("xl/sharedStrings.xml"));
  const Part data = ReadPart(zip, XlsxTarget(relations.bytes, ids[sheet]));
  result.error = PartsError({&data}, {&strings});
  if (!result.error.isEmpty()) return result;
  Cells cells;
  bool damaged = false;
  ReadXlsxSheet(data.bytes, SharedStrings(strings.bytes), cells, damaged);
  if (damaged) result.error = Damaged();
  result.rows = cells.Rows();
  return result;
}

// No cell holds a tab or a line end, as in every other form.
void WithoutBreaks(WorkbookSheet& sheet) {
  static const QRegularExpression breaks(QStringLiteral("\r\n|[\t\r\n]"));
  for (QStringList& row : sheet.rows) {
    for (QString& cell : row) {
      if (!cell.contains(breaks)) continue;
      cell.replace(breaks, QStringLiteral(" "));
      sheet.breaksReplaced = true;
    }
  }
}

}  // namespace

bool LooksLikeWorkbook(const QByteArray& bytes) {
  return bytes.startsWith("PK\x03\x04") || bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
}

WorkbookSheet ReadWorkbook(const QByteArray& bytes, int sheet) {
  WorkbookSheet result;
  if (!bytes.startsWith("PK\x03\x04")) {
    result.error = Texts::tr("je chránený heslom (zašifrovaný) alebo je v starom formáte .xls");
    return result;
  }
  QBuffer buffer;
  buffer.setData(bytes);
  QuaZip zip(&buffer);
  if (!zip.open(QuaZip::mdUnzip)) {
    result.error = Damaged();
    return result;
  }
  const Part mimetype = ReadPart(zip, QStringLiteral("mimetype"));
  if (mimetype.found && mimetype.bytes.trimmed() == kOdsType) {
    result = ReadOds(zip, sheet);
  } else if (zip.setCurrentFile(QStringLiteral("xl/workbook.xml"))) {
    result = ReadXlsx(zip, sheet);
  } else {
    result.error = Texts::tr("je to archív ZIP, ale nie tabuľka ODS ani XLSX");
  }
  if (result.error.isEmpty() && sheet >= result.sheets.size()) {
    result.error = Texts::tr("nemá hárok číslo %1 (má ich %2)").arg(sheet + 1).arg(result.sheets.size());
  }
  if (!result.error.isEmpty()) result.rows.clear();
  WithoutBreaks(result);
  return result;
}

}  // namespace zorvel
