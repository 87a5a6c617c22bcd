// Bytes as a matrix file or standard input: the first byte's low bits give
// the name's format (none, as standard input and a ".txt" have; ".tsv";
// ".csv"), the rest is the file. Whatever the bytes, the reading gives rows
// or a reason and no error escapes it; no cell holds a tab or a line end;
// numbers on blanks come in rows of one length; and the rows read, written
// as Zorvel writes each format, read back as they were (a first row that
// the second reading takes for a header, and the empty last rows a TSV
// cannot tell from blank lines, aside).
#include <QBuffer>
#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "FuzzCheck.h"
#include "MatrixFile.h"
#include "MatrixText.h"

namespace {

using namespace zorvel;
using fuzz::Check;

MatrixFileContents Read(const QByteArray& bytes, std::optional<MatrixFormat> format) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return ReadMatrixDevice(buffer, format);
}

bool NoBreaks(const QList<QStringList>& rows) {
  return std::all_of(rows.cbegin(), rows.cend(), [](const QStringList& row) {
    return std::none_of(row.cbegin(), row.cend(), [](const QString& cell) {
      return cell.contains(u'\t') || cell.contains(u'\n') || cell.contains(u'\r');
    });
  });
}

// What UTF-8 cannot carry back: a lone surrogate, or a byte order mark that
// would open the file.
bool WritesBackAsIs(const QList<QStringList>& rows) {
  if (!rows.isEmpty() && !rows.front().isEmpty() && rows.front().front().startsWith(QChar(0xFEFF))) return false;
  for (const QStringList& row : rows) {
    for (const QString& cell : row) {
      for (qsizetype i = 0; i < cell.size(); ++i) {
        const QChar c = cell.at(i);
        if (c.isHighSurrogate() && i + 1 < cell.size() && cell.at(i + 1).isLowSurrogate()) {
          ++i;
        } else if (c.isSurrogate()) {
          return false;
        }
      }
    }
  }
  return true;
}

// A TSV has no way to write a last row of one empty cell apart from the
// blank lines editors leave, which the reading drops.
void CheckRoundTrip(QList<QStringList> rows, MatrixFormat format) {
  const MatrixFileContents again = Read(MatrixText(rows, format).toUtf8(), format);
  if (format == MatrixFormat::Tsv) {
    while (!rows.isEmpty() && rows.back() == QStringList{QString()}) rows.removeLast();
  }
  Check(again.error.isEmpty());
  Check(again.rows == rows || (again.headerLeftOut && again.rows == rows.mid(1)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::optional<MatrixFormat> formats[] = {std::nullopt, MatrixFormat::Tsv, MatrixFormat::Csv};
  const std::optional<MatrixFormat> format = formats[data[0] % 3];
  const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  const MatrixFileContents read = Read(bytes, format);
  if (!read.error.isEmpty()) {
    Check(read.rows.isEmpty());
    return 0;
  }
  Check(NoBreaks(read.rows));
  Check(read.headerLeftOut == !read.header.isEmpty());
  if (read.separation == Separation::Blanks) {
    Check(std::all_of(read.rows.cbegin(), read.rows.cend(), [&](const QStringList& row) {
      return row.size() >= 2 && row.size() == read.rows.front().size();
    }));
  }
  if (!WritesBackAsIs(read.rows)) return 0;
  CheckRoundTrip(read.rows, MatrixFormat::Csv);
  CheckRoundTrip(read.rows, MatrixFormat::Tsv);
  return 0;
}
