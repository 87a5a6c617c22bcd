#include "MatrixFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QStringDecoder>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "BlankSeparated.h"
#include "Cp1250.h"
#include "OdsWriting.h"
#include "RegularFile.h"
#include "SeparatorChoice.h"
#include "SpreadsheetRows.h"
#include "Workbook.h"

namespace zorvel {
namespace {

// More than the largest matrix Zorvel writes needs (20 x 10 cells of 32,767
// characters, each up to three bytes in UTF-8, is about 19 MB); a larger
// file is some other file picked by mistake, and is not read into memory
// whole.
constexpr qint64 kMaxBytes = qint64{32} * 1024 * 1024;
// Read a piece at a time, so that a small file takes a small buffer.
constexpr qint64 kChunkBytes = qint64{1} << 16;

// The messages' context for translations.
class Texts {
  Q_DECLARE_TR_FUNCTIONS(MatrixFile)
};

// Reads at most kMaxBytes + 1 bytes, so that a larger source is told apart.
// Sets `reason` when the source is not the text of a matrix.
QByteArray ReadLimited(QIODevice& device, QString& reason) {
  QByteArray bytes;
  while (bytes.size() <= kMaxBytes) {
    const QByteArray chunk = device.read(std::min(kChunkBytes, kMaxBytes + 1 - bytes.size()));
    if (chunk.isEmpty()) break;  // the end, or an error told below
    bytes += chunk;
  }
  const auto* file = qobject_cast<QFileDevice*>(&device);
  if (bytes.size() > kMaxBytes) {
    reason = Texts::tr("je väčší ako 32 MiB, na maticu priveľký");
  } else if (file != nullptr && file->error() != QFileDevice::NoError) {
    reason = file->errorString();
  }
  return bytes;
}

// The text in the encodings that spreadsheets and editors write: UTF-16
// with its byte order mark, else UTF-8 (its mark skipped), else Windows-1250,
// what spreadsheets on Slovak Windows write. Sets `reason` for a source that
// is no text at all.
QString DecodedText(const QByteArray& bytes, QString& reason) {
  std::optional<QStringConverter::Encoding> utf16;
  if (bytes.startsWith("\xFF\xFE")) utf16 = QStringConverter::Utf16LE;
  if (bytes.startsWith("\xFE\xFF")) utf16 = QStringConverter::Utf16BE;
  QString text;
  if (utf16) {
    QStringDecoder decoder(*utf16);  // skips the mark
    text = decoder.decode(bytes);
  } else if (!bytes.contains('\0')) {
    QStringDecoder decoder(QStringConverter::Utf8);
    text = decoder.decode(bytes);
    if (decoder.hasError())
      text = FromCp1250(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  }
  if (text.contains(QChar(0)) || (!utf16 && bytes.contains('\0'))) {
    reason = Texts::tr("nie je to text (obsahuje nulové bajty)");
  }
  return text;
}

MatrixFileContents FromWorkbook(const QByteArray& bytes, int sheet) {
  WorkbookSheet read = ReadWorkbook(bytes, sheet);
  if (!read.error.isEmpty()) return {{}, read.error};
  MatrixFileContents contents;
  contents.rows = std::move(read.rows);
  contents.breaksReplaced = read.breaksReplaced;
  contents.sheets = read.sheets;
  contents.sheet = sheet;
  return contents;
}

// Leaves a header line out of `contents` and keeps it aside.
void LeaveOutHeaderOf(MatrixFileContents& contents) {
  if (contents.rows.isEmpty()) return;
  const QStringList first = contents.rows.front();
  contents.headerLeftOut = LeaveOutHeader(contents.rows);
  if (contents.headerLeftOut) contents.header = first;
}

MatrixFileContents FromText(const QString& text, std::optional<MatrixFormat> format) {
  const TextLayout layout = ChooseLayout(text, format);
  MatrixFileContents contents;
  if (layout.kind == TextLayout::Kind::Blanks) {
    contents.rows = SplitOnBlanks(text).value_or(QList<QStringList>{});
    contents.separation = Separation::Blanks;
    return contents;
  }
  ParsedMatrixText parsed = ParseSeparatedText(text, layout.separator, layout.quoting);
  if (parsed.unclosedQuoteLine > 0) {
    return {{}, Texts::tr("úvodzovky otvorené na riadku %1 sa nikde nezatvárajú").arg(parsed.unclosedQuoteLine)};
  }
  DropTrailingEmptyLines(parsed);
  if (layout.quoting) DropTrailingSeparators(parsed);
  contents.rows = std::move(parsed.rows);
  contents.breaksReplaced = parsed.breaksReplaced;
  if (layout.separator == u',') contents.separation = Separation::Commas;
  if (layout.separator == u'\t' && layout.quoting) contents.separation = Separation::Tabs;
  return contents;
}

MatrixFileContents Decode(const QByteArray& bytes, std::optional<MatrixFormat> format, int sheet) {
  QString reason;
  const QString text = DecodedText(bytes, reason);
  // A text whose first cell merely begins as an archive does ("PK…") is
  // text: a real archive holds bytes no text has, and a damaged one that is
  // text after all is read as the text it is.
  if (LooksLikeWorkbook(bytes)) {
    MatrixFileContents contents = FromWorkbook(bytes, sheet);
    if (contents.error.isEmpty() || !reason.isEmpty()) {
      LeaveOutHeaderOf(contents);
      return contents;
    }
  }
  if (!reason.isEmpty()) return {{}, reason};
  MatrixFileContents contents = FromText(text, format);
  if (contents.error.isEmpty()) LeaveOutHeaderOf(contents);
  return contents;
}

// Why QFileInfo finds nothing at `path`, which it does not say: empty when
// nothing is there.
QString NotFoundReason(const QString& path) {
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) == 0) return {};
  const int error = errno;
  if (error == EACCES) {
    // The nearest folder on the way that can be looked at cannot be entered.
    QString folder = QFileInfo(path).absolutePath();
    while (::stat(QFile::encodeName(folder).constData(), &status) != 0 && !QDir(folder).isRoot()) {
      folder = QFileInfo(folder).absolutePath();
    }
    return Texts::tr("chýba oprávnenie na vstup do priečinka „%1“").arg(ShownPath(folder));
  }
  if (error != ENOENT) return QString::fromLocal8Bit(std::strerror(error));
  // Qt reads a name that is no UTF-8 with replacement characters, and a name
  // so changed names no file.
  if (!path.contains(QChar::ReplacementCharacter)) return {};
  return Texts::tr("jeho názov nie je platný text v kódovaní UTF-8");
}

QString ReadError(const QString& path, const QString& reason) {
  return Texts::tr("Súbor „%1“ sa nedá prečítať: %2.").arg(ShownPath(path), reason);
}

// Why a save could not begin: the file itself, the disk, or the folder.
QString OpenFailure(const QFileInfo& target, const QSaveFile& file) {
  if (target.exists() && !target.isWritable()) return Texts::tr("súbor je len na čítanie");
  if (QStorageInfo(target.absolutePath()).isReadOnly()) return Texts::tr("disk je pripojený len na čítanie");
  if (!QFileInfo(target.absolutePath()).isWritable()) return Texts::tr("chýba oprávnenie na zápis do priečinka");
  return Texts::tr("do priečinka sa nedá zapisovať (%1)").arg(file.errorString());
}

QString SaveError(const QString& path, const QString& reason) {
  return Texts::tr("Súbor „%1“ sa nedá uložiť: %2.").arg(ShownPath(path), reason);
}

}  // namespace

QString ShownPath(const QString& path) { return QDir::toNativeSeparators(path); }

QString SeparationWords(Separation separation) {
  switch (separation) {
    case Separation::Commas: return Texts::tr("čiarkami");
    case Separation::Tabs: return Texts::tr("tabulátormi");
    case Separation::Blanks: return Texts::tr("medzerami");
    case Separation::Usual: break;
  }
  return {};
}

MatrixFileContents ReadMatrixFile(const QString& path, int sheet) {
  const QFileInfo info(path);
  if (!info.exists()) {
    const QString reason = NotFoundReason(path);
    return {{}, ReadError(path, reason.isEmpty() ? Texts::tr("taký súbor neexistuje") : reason)};
  }
  if (info.isDir()) return {{}, ReadError(path, Texts::tr("je to priečinok"))};
  QFile file(path);
  const QString refusal = OpenRegularFile(path, file);
  if (!refusal.isEmpty()) return {{}, ReadError(path, refusal)};
  MatrixFileContents contents = ReadMatrixDevice(file, MatrixFormatOfName(path), sheet);
  if (!contents.error.isEmpty()) contents.error = ReadError(path, contents.error);
  return contents;
}

MatrixFileContents ReadMatrixDevice(QIODevice& device, std::optional<MatrixFormat> format, int sheet) {
  QString reason;
  const QByteArray bytes = ReadLimited(device, reason);
  if (!reason.isEmpty()) return {{}, reason};
  return Decode(bytes, format, sheet);
}

QString SaveMatrixFile(const QString& path, const QList<QStringList>& rows) {
  if (path.endsWith(QStringLiteral(".ods"), Qt::CaseInsensitive)) {
    const QByteArray ods = OdsBytes(rows);
    if (ods.isEmpty()) return SaveError(path, Texts::tr("súbor ODS sa nedá zostaviť"));
    return SaveFileBytes(path, ods);
  }
  return SaveFileBytes(path, MatrixText(rows, MatrixFormatFor(path)).toUtf8());
}

QString SaveFileBytes(const QString& path, const QByteArray& bytes) {
  const QFileInfo info(path);
  if (info.isDir()) return SaveError(path, Texts::tr("je to priečinok"));
  if (!info.absoluteDir().exists()) {
    const QString reason = NotFoundReason(info.absolutePath());
    return SaveError(
        path, reason.isEmpty() ? Texts::tr("priečinok „%1“ neexistuje").arg(ShownPath(info.absolutePath())) : reason);
  }
  QSaveFile file(path);
  // Unbuffered, so that every write reaches the disk here and is checked:
  // QSaveFile holds back a small write, and when it fails inside commit(),
  // commit() still renames the short file over the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return SaveError(path, OpenFailure(info, file));
  // The scratch copy beside the target holds the whole matrix: only the
  // user may read it. The target gets the permissions it would have had.
  const QFileDevice::Permissions wanted = file.permissions();
  file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  // A write that takes only part of the bytes says no reason; the next one
  // for the rest does. A failure leaves the target as it was and the
  // temporary file is removed.
  for (qint64 done = 0; done < bytes.size();) {
    const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
    if (written <= 0) return SaveError(path, WriteFailure(file));
    done += written;
  }
  if (!file.flush() || !file.commit()) return SaveError(path, WriteFailure(file));
  QFile::setPermissions(path, wanted);
  return {};
}

QString WriteFailure(const QFileDevice& file) {
  // Qt tells a full disk apart, but words it in English.
  if (file.error() == QFileDevice::ResourceError) return Texts::tr("na disku nie je miesto");
  return Texts::tr("zápis zlyhal (%1)").arg(file.errorString());
}

}  // namespace zorvel
