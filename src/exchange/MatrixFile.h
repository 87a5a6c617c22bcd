#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "MatrixText.h"

class QFileDevice;
class QIODevice;

namespace zorvel {

// Matrices in files: text in the form that the file name's suffix
// chooses (MatrixFormatFor). Every message is Slovak, through
// QCoreApplication::translate("MatrixFile", ...).

// How the cells of a file were told apart, when that is worth saying: the
// tabs of a TSV and the ";" of a CSV are Usual; a CSV may be separated by
// commas or tabs, and a text of numbers by blanks (ChooseLayout).
enum class Separation { Usual, Commas, Tabs, Blanks };

struct MatrixFileContents {
  QList<QStringList> rows;
  QString error;  // empty when the rows were read
  // A CSV cell held tabs or line ends, now spaces (ParseMatrixText).
  bool breaksReplaced = false;
  // The first row looked like a spreadsheet's header and was left out
  // (LeaveOutHeader); `header` holds it, for the caller to give back.
  bool headerLeftOut = false;
  QStringList header{};
  Separation separation = Separation::Usual;
  // A spreadsheet's own file (.ods, .xlsx): the names of its sheets, and
  // the one read (counted from 0); no names for a text.
  QStringList sheets{};
  int sheet = 0;
};

// The separation as "Bunky … sú oddelené %1" ends: "čiarkami", "tabulátormi",
// "medzerami"; empty for Usual.
QString SeparationWords(Separation separation);

// A file's path as messages name it: with the system's separators.
QString ShownPath(const QString& path);

// Reads a whole file as spreadsheets and numeric tools write them: UTF-8,
// UTF-16 with a byte order mark, or else Windows-1250, in the layout the
// name and the text say (ChooseLayout), without what spreadsheets add
// (SpreadsheetRows.h); the cells' texts as they stand. A file that cannot
// be read, is not a regular file (a FIFO, a device), is too large for a
// matrix, is not text (NUL bytes) or leaves a CSV quote open gives an error
// naming the file and the reason.
// A spreadsheet's own file (.ods or .xlsx, whatever its name) gives its
// sheet `sheet` (counted from 0; Workbook.h).
MatrixFileContents ReadMatrixFile(const QString& path, int sheet = 0);

// Reads an open device to its end (a pipe, standard input) with the same
// checks; the error is the reason alone, for the caller to name the source.
// Without a format, the text chooses its layout (ChooseLayout).
MatrixFileContents ReadMatrixDevice(QIODevice& device, std::optional<MatrixFormat> format, int sheet = 0);

// Writes the rows, as an .ods spreadsheet when the name ends so
// (OdsBytes), else in the text form the name chooses, to a temporary file
// beside the target and renames it over
// the target, so a failed save never leaves half a file. Gives the empty text
// when saved, or a message naming the file and the reason.
QString SaveMatrixFile(const QString& path, const QList<QStringList>& rows);

// The same for any bytes: every write is checked before the rename.
QString SaveFileBytes(const QString& path, const QByteArray& bytes);

// Why a write to the file failed, in the messages' words.
QString WriteFailure(const QFileDevice& file);

}  // namespace zorvel
