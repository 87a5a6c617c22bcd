// Opening a matrix file as the window and zorvel-calc do (ReadMatrixFile):
// a 20 x 10 .xlsx that LibreOffice saved (unpacked by QuaZip, read by
// QXmlStreamReader), and the same matrix as an .ods and a CSV that Zorvel
// writes, for comparison. An open should feel instant: well under 50 ms.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "MatrixFile.h"

namespace {

const QString kXlsx = QStringLiteral(ZORVEL_REAL_FILES "/libreoffice-20x10.xlsx");

void BM_OpenXlsx(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(zorvel::ReadMatrixFile(kXlsx));
}

void BM_OpenSaved(benchmark::State& state, const char* name) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QLatin1String(name));
  const QString error = zorvel::SaveMatrixFile(path, zorvel::ReadMatrixFile(kXlsx).rows);
  if (!error.isEmpty()) state.SkipWithError(qPrintable(error));
  for (auto _ : state) benchmark::DoNotOptimize(zorvel::ReadMatrixFile(path));
}

}  // namespace

BENCHMARK(BM_OpenXlsx)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenSaved, ods, "m.ods")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenSaved, csv, "m.csv")->Unit(benchmark::kMillisecond);
