#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "MatrixText.h"

class QFileDevice;
class QIODevice;

namespace zorvel {

// Matrices in files: UTF-8 text in the form that the file name's suffix
// chooses (MatrixFormatFor). Every message is Slovak, through
// QCoreApplication::translate("MatrixFile", ...).

struct MatrixFileContents {
  QList<QStringList> rows;
  QString error;  // empty when the rows were read
  // A CSV cell held tabs or line ends, now spaces (ParseMatrixText).
  bool breaksReplaced = false;
};

// A file's path as messages name it: with the system's separators.
QString ShownPath(const QString& path);

// Reads a whole file. A file that cannot be read, is too large for a matrix,
// is not text (NUL bytes, or not UTF-8) or leaves a CSV quote open gives an
// error naming the file and the reason. A UTF-8 byte order mark is skipped.
MatrixFileContents ReadMatrixFile(const QString& path);

// Reads an open device to its end (a pipe, standard input) with the same
// checks; the error is the reason alone, for the caller to name the source.
MatrixFileContents ReadMatrixDevice(QIODevice& device, MatrixFormat format);

// Writes the rows to a temporary file beside the target and renames it over
// the target, so a failed save never leaves half a file. Gives the empty text
// when saved, or a message naming the file and the reason.
QString SaveMatrixFile(const QString& path, const QList<QStringList>& rows);

// The same for any bytes: every write is checked before the rename.
QString SaveFileBytes(const QString& path, const QByteArray& bytes);

// Why a write to the file failed, in the messages' words.
QString WriteFailure(const QFileDevice& file);

}  // namespace zorvel
