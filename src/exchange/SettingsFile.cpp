#include "SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QVariantMap>

#include "MatrixFile.h"

namespace zorvel {
namespace {

// The messages' context for translations.
class Texts {
  Q_DECLARE_TR_FUNCTIONS(SettingsFile)
};

// A value read back from the file against the one set: QSettings reads
// numbers back as text.
bool SameValue(const QVariant& set, const QVariant& read) {
  switch (set.typeId()) {
    case QMetaType::QByteArray: return read.toByteArray() == set.toByteArray();
    case QMetaType::QStringList: return read.toStringList() == set.toStringList();
    default: return read.toString() == set.toString();
  }
}

bool ReadsBack(const QSettings& file, const QVariantMap& values) {
  if (file.status() != QSettings::NoError || file.allKeys().size() != values.size()) return false;
  for (auto it = values.begin(); it != values.end(); ++it) {
    if (!SameValue(it.value(), file.value(it.key()))) return false;
  }
  return true;
}

// Less free room than this cannot take the kept session's scratch copy.
constexpr qint64 kFullDisk = qint64{64} * 1024;

}  // namespace

QString SaveSettingsFile(const QString& path, const std::function<void(QSettings&)>& fill) {
  // The scratch folder stands beside the file, as a matrix file's scratch
  // copy does (ScratchCopies.h), readable only by the user.
  const QFileInfo target(path);
  QDir().mkpath(target.absolutePath());  // as QSettings does for a file of its own
  const QTemporaryDir scratch(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
  const QString written = scratch.filePath(QStringLiteral("written.ini"));
  const QString readBack = scratch.filePath(QStringLiteral("read.ini"));
  QVariantMap values;
  bool ok = scratch.isValid();
  if (ok) {
    QSettings settings(written, QSettings::IniFormat);
    fill(settings);
    for (const QString& key : settings.allKeys()) values.insert(key, settings.value(key));
    settings.sync();
    ok = settings.status() == QSettings::NoError;
  }
  // Read under another name: under its own, QSettings gives back what it
  // remembers having written rather than what the file holds.
  ok = ok && QFile::rename(written, readBack) && ReadsBack(QSettings(readBack, QSettings::IniFormat), values);
  QFile file(readBack);
  if (!ok || !file.open(QIODevice::ReadOnly)) {
    // Beside the target, a full disk is the usual cause.
    if (QStorageInfo(target.absolutePath()).bytesAvailable() < kFullDisk) {
      return Texts::tr("Súbor „%1“ sa nedá uložiť: na disku nie je miesto.").arg(ShownPath(path));
    }
    return Texts::tr("Súbor „%1“ sa nedá uložiť: v priečinku „%2“ sa nedá pripraviť.")
        .arg(ShownPath(path), ShownPath(target.absolutePath()));
  }
  return SaveFileBytes(path, file.readAll());
}

}  // namespace zorvel
