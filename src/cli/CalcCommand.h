#pragma once

#include <QStringList>

class QIODevice;
class QTextStream;

namespace zorvel {

// Exit statuses, as GNU tools use them.
enum CalcStatus : int {
  kCalcDone = 0,
  kCalcRefused = 1,  // a calculation that cannot be done
  kCalcTrouble = 2,  // a wrong command line, a file that cannot be read, lost output
};

// Runs zorvel-calc with the arguments after the program's name:
//   OPERATION [--places N] [--point] A [B]
// A and B are matrix files (.tsv, .csv), "-" standard input (TSV), read from
// `standardInput`. The result goes to `out` as tab-separated text; every
// error goes to `err`, and then nothing goes to `out`. Warnings of what the
// reading changed (cut texts, short rows, tabs made spaces) go to `err`
// beside a result. A result that cannot be written to `out` ends in
// kCalcTrouble. Gives the exit status.
int RunCalc(const QStringList& arguments, QIODevice& standardInput, QTextStream& out, QTextStream& err);

}  // namespace zorvel
