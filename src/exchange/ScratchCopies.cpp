#include "ScratchCopies.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#include <unistd.h>

namespace zorvel {
namespace {

constexpr qint64 kUntouchedSeconds = 60;

bool LeftBehind(const QFileInfo& entry) {
  return entry.ownerId() == ::getuid() &&
         entry.lastModified().secsTo(QDateTime::currentDateTime()) >= kUntouchedSeconds;
}

void Remove(const QFileInfo& entry) {
  if (entry.isDir() && !entry.isSymLink()) {
    QDir(entry.absoluteFilePath()).removeRecursively();
  } else {
    QFile::remove(entry.absoluteFilePath());
  }
}

}  // namespace

void ClearScratchBeside(const QString& target) {
  const QFileInfo info(target);
  const QDir folder = info.absoluteDir();
  const QRegularExpression scratch(
      QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(info.fileName())));
  const QFileInfoList entries =
      folder.entryInfoList({info.fileName() + QStringLiteral(".??????")},
                           QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QFileInfo& entry : entries) {
    if (scratch.match(entry.fileName()).hasMatch() && LeftBehind(entry)) Remove(entry);
  }
}

void ClearOldSessionScratch() {
  const QFileInfoList folders =
      QDir(QDir::tempPath()).entryInfoList({QStringLiteral("zorvel-??????")}, QDir::Dirs | QDir::NoDotAndDotDot);
  const QStringList itsFiles{QStringLiteral("read.ini"), QStringLiteral("written.ini")};
  for (const QFileInfo& folder : folders) {
    if (folder.isSymLink() || !LeftBehind(folder)) continue;
    const QStringList held = QDir(folder.absoluteFilePath())
                                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (std::all_of(held.begin(), held.end(), [&itsFiles](const QString& name) { return itsFiles.contains(name); })) {
      QDir(folder.absoluteFilePath()).removeRecursively();
    }
  }
}

}  // namespace zorvel
