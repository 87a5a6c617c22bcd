#include "OdsWriting.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QXmlStreamWriter>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <utility>

namespace zorvel {
namespace {

const QString kOffice = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString kTable = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString kText = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString kManifest = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
constexpr char kOdsType[] = "application/vnd.oasis.opendocument.spreadsheet";

// A number whose stored value, written with a comma, is its text again.
bool PlainReal(const QString& cell) {
  static const QRegularExpression plain(QStringLiteral("^-?\\d{1,15}(,\\d{1,15})?$"));
  return plain.match(cell).hasMatch();
}

// The text of a paragraph. A space that a reader would fold into the one
// before it or drop at either end is written as text:s, with the number of
// spaces in its run.
void WriteParagraph(QXmlStreamWriter& xml, const QString& text) {
  QString run;
  for (qsizetype i = 0; i < text.size();) {
    const bool folded = text.at(i) == u' ' && (i == 0 || text.at(i - 1) == u' ' || i + 1 == text.size());
    if (!folded) {
      run += text.at(i++);
      continue;
    }
    qsizetype spaces = 0;
    while (i + spaces < text.size() && text.at(i + spaces) == u' ') ++spaces;
    xml.writeCharacters(std::exchange(run, QString()));
    xml.writeEmptyElement(kText, QStringLiteral("s"));
    xml.writeAttribute(kText, QStringLiteral("c"), QString::number(spaces));
    i += spaces;
  }
  xml.writeCharacters(run);
}

QByteArray Content(const QList<QStringList>& rows) {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.writeStartDocument();
  xml.writeNamespace(kOffice, QStringLiteral("office"));
  xml.writeNamespace(kTable, QStringLiteral("table"));
  xml.writeNamespace(kText, QStringLiteral("text"));
  xml.writeStartElement(kOffice, QStringLiteral("document-content"));
  xml.writeAttribute(kOffice, QStringLiteral("version"), QStringLiteral("1.2"));
  xml.writeStartElement(kOffice, QStringLiteral("body"));
  xml.writeStartElement(kOffice, QStringLiteral("spreadsheet"));
  xml.writeStartElement(kTable, QStringLiteral("table"));
  xml.writeAttribute(kTable, QStringLiteral("name"), QStringLiteral("Matica"));
  for (const QStringList& row : rows) {
    xml.writeStartElement(kTable, QStringLiteral("table-row"));
    for (const QString& cell : row) {
      xml.writeStartElement(kTable, QStringLiteral("table-cell"));
      if (PlainReal(cell)) {
        xml.writeAttribute(kOffice, QStringLiteral("value-type"), QStringLiteral("float"));
        xml.writeAttribute(kOffice, QStringLiteral("value"), QString(cell).replace(u',', u'.'));
      } else {
        // An empty cell too, so that an empty last row or column stays.
        xml.writeAttribute(kOffice, QStringLiteral("value-type"), QStringLiteral("string"));
      }
      xml.writeStartElement(kText, QStringLiteral("p"));
      WriteParagraph(xml, cell);
      xml.writeEndElement();
      xml.writeEndElement();
    }
    xml.writeEndElement();
  }
  xml.writeEndDocument();
  return bytes;
}

QByteArray Manifest() {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.writeStartDocument();
  xml.writeNamespace(kManifest, QStringLiteral("manifest"));
  xml.writeStartElement(kManifest, QStringLiteral("manifest"));
  xml.writeAttribute(kManifest, QStringLiteral("version"), QStringLiteral("1.2"));
  for (const auto& [path, type] : {std::pair{QStringLiteral("/"), QString::fromLatin1(kOdsType)},
                                   std::pair{QStringLiteral("content.xml"), QStringLiteral("text/xml")}}) {
    xml.writeEmptyElement(kManifest, QStringLiteral("file-entry"));
    xml.writeAttribute(kManifest, QStringLiteral("full-path"), path);
    xml.writeAttribute(kManifest, QStringLiteral("media-type"), type);
  }
  xml.writeEndDocument();
  return bytes;
}

bool AddPart(QuaZip& zip, const QString& name, const QByteArray& bytes, bool stored) {
  QuaZipFile file(&zip);
  if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(name), nullptr, 0, stored ? 0 : Z_DEFLATED)) return false;
  const bool written = file.write(bytes) == bytes.size();
  file.close();
  return written && file.getZipError() == ZIP_OK;
}

}  // namespace

QByteArray OdsBytes(const QList<QStringList>& rows) {
  QBuffer buffer;
  {
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate)) return {};
    // The type first and stored, as OpenDocument asks, so that it can be
    // told from the file's first bytes.
    const bool ok = AddPart(zip, QStringLiteral("mimetype"), kOdsType, true) &&
                    AddPart(zip, QStringLiteral("META-INF/manifest.xml"), Manifest(), false) &&
                    AddPart(zip, QStringLiteral("content.xml"), Content(rows), false);
    zip.close();
    if (!ok || zip.getZipError() != ZIP_OK) return {};
  }
  return buffer.data();
}

}  // namespace zorvel
