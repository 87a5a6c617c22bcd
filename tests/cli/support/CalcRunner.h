#pragma once

// Runs zorvel-calc in-process on matrices written to scratch files, and makes
// the dense complex matrices the comparisons use.

#include <QBuffer>
#include <QTemporaryDir>
#include <QTextStream>

#include "CalcCommand.h"
#include "ComplexText.h"
#include "MatrixFile.h"

namespace zorvel::test {

struct CalcRun {
  int status = -1;
  QString out;
  QString err;
};

inline CalcRun RunCalcInProcess(const QStringList& arguments, const QByteArray& input = {}) {
  QByteArray stdinBytes = input;
  QBuffer standardInput(&stdinBytes);
  standardInput.open(QIODevice::ReadOnly);
  CalcRun run;
  {
    QTextStream out(&run.out), err(&run.err);
    run.status = RunCalc(arguments, standardInput, out, err);
  }
  return run;
}

// Scratch matrix files, removed with the object.
class MatrixFiles {
 public:
  // Saves the rows as `name` (its suffix chooses the form) and gives its path.
  QString Write(const QString& name, const QList<QStringList>& rows) {
    const QString path = dir_.filePath(name);
    const QString error = SaveMatrixFile(path, rows);
    if (!error.isEmpty()) qFatal("%s", qPrintable(error));
    return path;
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
};

// A rows x cols matrix of entries such as -3,25+1,5i from a fixed
// pseudo-random sequence.
inline QList<QStringList> DenseMatrix(int rows, int cols, unsigned seed) {
  const auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % 33) / 4.0 - 4.0;
  };
  QList<QStringList> matrix;
  for (int r = 0; r < rows; ++r) {
    QStringList row;
    for (int c = 0; c < cols; ++c) {
      const double re = next(), im = next();
      row << QString::fromLatin1(FormatComplex(9, re, im).view());
    }
    matrix << row;
  }
  return matrix;
}

}  // namespace zorvel::test
