#include "Session.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <QVariantMap>

#include <algorithm>
#include <array>
#include <optional>

#include "ColumnFit.h"
#include "Cp1250.h"
#include "Grid.h"
#include "HandlerGuard.h"
#include "InputHistory.h"
#include "InputState.h"
#include "MatrixRows.h"
#include "SettingsFile.h"
#include "SpinEdit.h"
#include "StringGrid.h"
#include "TMain.h"
#include "TabSeparated.h"

namespace zorvel {
namespace {

// The keys of the four sizes, in the order of InputScalars::sizes.
const std::array<QString, 4> kSizeKeys = {QStringLiteral("matrix1/rows"), QStringLiteral("matrix1/columns"),
                                          QStringLiteral("matrix2/rows"), QStringLiteral("matrix2/columns")};
const std::array<QString, 2> kCellKeys = {QStringLiteral("matrix1/cells"), QStringLiteral("matrix2/cells")};
const QString kOperationKey = QStringLiteral("calculation/operation");
const QString kPlacesKey = QStringLiteral("calculation/places");
const QString kExactKey = QStringLiteral("calculation/exact");
const QString kFormKey = QStringLiteral("calculation/form");
const QString kUnitKey = QStringLiteral("calculation/unit");
const QString kSignificantKey = QStringLiteral("calculation/significant");
const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kWidthsGroup = QStringLiteral("columnWidths/");

// A column narrower than the grid lets one drag it, or wider than a screen,
// was not left so by the user.
constexpr int kMinColumnWidth = 4;
constexpr int kMaxColumnWidth = 2000;

// A whole number, or nothing for any other value (a word, a list).
std::optional<qlonglong> IntSetting(const QSettings& settings, const QString& key) {
  const QVariant value = settings.value(key);
  bool number = false;
  qlonglong read = 0;
  if (value.typeId() == QMetaType::Int) {
    read = value.toInt(&number);  // as this run wrote it
  } else if (value.typeId() == QMetaType::QString) {
    read = value.toString().trimmed().toLongLong(&number);  // as the file holds it
  }
  if (!number) return std::nullopt;
  return read;
}

// A yes or no, as this run wrote it or the file holds it; nothing for any
// other value.
std::optional<bool> BoolSetting(const QSettings& settings, const QString& key) {
  const QVariant value = settings.value(key);
  if (value.typeId() == QMetaType::Bool) return value.toBool();
  if (value.typeId() != QMetaType::QString) return std::nullopt;
  const QString text = value.toString().trimmed();
  if (text == QLatin1String("true")) return true;
  if (text == QLatin1String("false")) return false;
  return std::nullopt;
}

// A size or the places: a number beyond the field's range is brought into
// it, as the field itself does with a typed one.
std::optional<int> FieldSetting(const QSettings& settings, const QString& key, const SpinEdit& field) {
  const std::optional<qlonglong> read = IntSetting(settings, key);
  if (!read) return std::nullopt;
  return static_cast<int>(std::clamp<qlonglong>(*read, field.MinValue(), field.MaxValue()));
}

// A kept matrix as rows of cells; nothing for another kind of value, or a
// text longer than the largest matrix of the longest cells.
QList<QStringList> CellSetting(const QSettings& settings, const QString& key, int rows, int cols) {
  const QVariant value = settings.value(key);
  if (value.typeId() != QMetaType::QString) return {};
  const QString text = value.toString();
  if (text.size() > static_cast<qsizetype>(rows) * cols * (StringGrid::kMaxCellText + 1)) return {};
  return FromTabSeparated(text);
}

// The kept rows within the size; a cell they lack is empty, and a text
// longer than a cell holds is cut.
void WriteMatrix(Grid& grid, const QList<QStringList>& kept, int rows, int cols) {
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= cols; ++c) {
      QString text;
      if (r <= kept.size() && c <= kept[r - 1].size()) text = kept[r - 1][c - 1].left(StringGrid::kMaxCellText);
      grid.SetCells(c, r, ToCp1250(text));
    }
  }
}

void RestoreColumnWidths(const TMain& window, const QSettings& settings) {
  for (StringGrid* pole : window.Grids()) {
    const QVariant value = settings.value(kWidthsGroup + pole->objectName());
    if (value.typeId() != QMetaType::QStringList && value.typeId() != QMetaType::QString) continue;
    const QStringList widths = value.toStringList();
    Grid& grid = pole->grid();
    for (int col = 0; col < std::min(static_cast<int>(widths.size()), grid.ColCount()); ++col) {
      bool number = false;
      const int width = widths[col].trimmed().toInt(&number);
      if (number) grid.SetColWidths(col, std::clamp(width, kMinColumnWidth, kMaxColumnWidth));
    }
  }
}

// The keys every closing writes; a kept file without one of them was cut
// short or damaged.
QStringList AlwaysWrittenKeys() {
  QStringList keys{kOperationKey, kPlacesKey, kExactKey, kGeometryKey};
  for (const QString& key : kSizeKeys) keys << key;
  for (const QString& key : kCellKeys) keys << key;
  return keys;
}

// Later keys too, which a file kept by an earlier version does not have.
bool KnownKey(const QString& key) {
  return AlwaysWrittenKeys().contains(key) || key == kFormKey || key == kUnitKey || key == kSignificantKey ||
         key.startsWith(kWidthsGroup);
}

bool Damaged(const QString& path, const QSettings& settings) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;  // none, or not to be read: nothing to keep aside
  const QByteArray bytes = file.read(qint64{256} << 20);
  if (bytes.contains('\0')) return true;
  QStringDecoder utf8(QStringDecoder::Utf8);
  static_cast<void>(QString(utf8(bytes)));
  if (utf8.hasError() || settings.status() != QSettings::NoError) return true;
  const QStringList keys = settings.allKeys();
  const QStringList wanted = AlwaysWrittenKeys();
  return !std::all_of(wanted.cbegin(), wanted.cend(), [&keys](const QString& key) { return keys.contains(key); });
}

}  // namespace

QString SetAsideDamagedSession(QSettings& settings) {
  const QString path = settings.fileName();
  static_cast<void>(settings.allKeys());  // read now, before the file moves
  if (!Damaged(path, settings)) return {};
  QString aside = path + QStringLiteral(".damaged");
  for (int n = 2; QFileInfo::exists(aside); ++n) aside = path + QStringLiteral(".damaged%1").arg(n);
  if (!QFile::rename(path, aside)) {
    return QCoreApplication::translate("Session", "Uložený stav okna zo „%1“ sa nedal prečítať celý.")
        .arg(QDir::toNativeSeparators(path));
  }
  return QCoreApplication::translate("Session",
                                     "Uložený stav okna sa nedal prečítať celý; poškodený súbor je odložený ako „%1“.")
      .arg(QDir::toNativeSeparators(aside));
}

std::unique_ptr<QSettings> UserSessionSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zorvel"),
                                     QStringLiteral("zorvel"));
}

QString KeepSession(const TMain& window, const QString& path) {
  // Keys of a newer version, or of the user, stay as they were.
  const QSettings before(path, QSettings::IniFormat);
  QVariantMap others;
  for (const QString& key : before.allKeys()) {
    if (!KnownKey(key)) others.insert(key, before.value(key));
  }
  const QString error = SaveSettingsFile(path, [&window, &others](QSettings& settings) {
    for (auto it = others.cbegin(); it != others.cend(); ++it) settings.setValue(it.key(), it.value());
    const InputScalars scalars = ReadScalars(window);
    for (std::size_t i = 0; i < kSizeKeys.size(); ++i) settings.setValue(kSizeKeys[i], scalars.sizes[i]);
    const auto& matrices = window.Inputs().matrices;
    for (std::size_t m = 0; m < matrices.size(); ++m) {
      settings.setValue(kCellKeys[m], ToTabSeparated(MatrixRows(matrices[m].pole->grid())));
    }
    settings.setValue(kOperationKey, scalars.operation);
    settings.setValue(kPlacesKey, scalars.places);
    settings.setValue(kExactKey, scalars.exact);
    settings.setValue(kFormKey, scalars.form);
    settings.setValue(kUnitKey, scalars.unit);
    settings.setValue(kSignificantKey, scalars.significant);
    settings.setValue(kGeometryKey, window.saveGeometry());
    for (const StringGrid* pole : window.Grids()) {
      QStringList widths;
      for (int col = 0; col < pole->grid().ColCount(); ++col) widths << QString::number(pole->grid().ColWidths(col));
      settings.setValue(kWidthsGroup + pole->objectName(), widths);
    }
  });
  if (error.isEmpty()) return {};
  return QCoreApplication::translate("Session", "Stav okna sa nedá zachovať do ďalšieho spustenia.\n%1").arg(error);
}

void RestoreSession(TMain& window, const QSettings& settings) {
  if (settings.status() != QSettings::NoError) return;
  const InputHistory::FreshStart fresh(window.History());
  InputScalars scalars = ReadScalars(window);
  const TMain::InputControls inputs = window.Inputs();
  const auto& [one, two] = inputs.matrices;
  const std::array<SpinEdit*, 4> sizeEdits = {one.rows, one.cols, two.rows, two.cols};
  for (std::size_t i = 0; i < kSizeKeys.size(); ++i) {
    if (const auto size = FieldSetting(settings, kSizeKeys[i], *sizeEdits[i])) scalars.sizes[i] = *size;
  }
  // An operation the list does not have is no near miss of one it has.
  const std::optional<qlonglong> operation = IntSetting(settings, kOperationKey);
  if (operation && *operation >= 0 && *operation < inputs.operation->count()) {
    scalars.operation = static_cast<int>(*operation);
  }
  if (const auto places = FieldSetting(settings, kPlacesKey, *inputs.places)) scalars.places = *places;
  if (const auto exact = BoolSetting(settings, kExactKey)) scalars.exact = *exact;
  if (const std::optional<qlonglong> form = IntSetting(settings, kFormKey);
      form && *form >= 0 && *form < inputs.form->count()) {
    scalars.form = static_cast<int>(*form);
  }
  if (const std::optional<qlonglong> unit = IntSetting(settings, kUnitKey);
      unit && *unit >= 0 && *unit < inputs.unit->count()) {
    scalars.unit = static_cast<int>(*unit);
  }
  if (const auto significant = BoolSetting(settings, kSignificantKey)) scalars.significant = *significant;
  const QList<QStringList> matrix1 = CellSetting(settings, kCellKeys[0], scalars.sizes[0], scalars.sizes[1]);
  const QList<QStringList> matrix2 = CellSetting(settings, kCellKeys[1], scalars.sizes[2], scalars.sizes[3]);
  window.restoreGeometry(settings.value(kGeometryKey).toByteArray());  // checks what it reads
  // The widths come after the recalculation, which sizes the result grids,
  // even a failed one.
  RunThen(
      [&] {
        ShowInput(window, scalars, [&](Grid& grid1, Grid& grid2) {
          WriteMatrix(grid1, matrix1, scalars.sizes[0], scalars.sizes[1]);
          WriteMatrix(grid2, matrix2, scalars.sizes[2], scalars.sizes[3]);
        });
      },
      [&] {
        RestoreColumnWidths(window, settings);
        window.Columns().KeepWidths();
      });
}

}  // namespace zorvel
