#include "RegularFile.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zorvel {
namespace {

// The messages' context for translations, shared with the rest of the
// reading of files.
class Texts {
  Q_DECLARE_TR_FUNCTIONS(MatrixFile)
};

QString KindReason(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return Texts::tr("je to priečinok");
  if (S_ISFIFO(mode)) return Texts::tr("je to pomenovaná rúra (FIFO), nie obyčajný súbor");
  if (S_ISSOCK(mode)) return Texts::tr("je to soket, nie obyčajný súbor");
  if (S_ISCHR(mode) || S_ISBLK(mode)) return Texts::tr("je to zariadenie, nie obyčajný súbor");
  return Texts::tr("nie je to obyčajný súbor");
}

}  // namespace

QString NotRegularFileReason(const QString& path) {
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) return {};
  return KindReason(status.st_mode);
}

QString OpenRegularFile(const QString& path, QFile& file) {
  // O_NONBLOCK lets the open of a FIFO return at once; the kind is then
  // checked on what was opened, so nothing put in its place between a check
  // and the open is read.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    if (error == EACCES) return Texts::tr("chýba oprávnenie na čítanie");
    return Texts::tr("súbor sa nedá otvoriť (%1)").arg(QString::fromLocal8Bit(std::strerror(error)));
  }
  struct stat status {};
  QString reason;
  if (::fstat(fd, &status) != 0) {
    reason = QString::fromLocal8Bit(std::strerror(errno));
  } else {
    reason = KindReason(status.st_mode);
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (reason.isEmpty() && (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)) {
    reason = QString::fromLocal8Bit(std::strerror(errno));
  }
  if (reason.isEmpty() && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    reason = Texts::tr("súbor sa nedá otvoriť (%1)").arg(file.errorString());
  }
  if (!reason.isEmpty() && !file.isOpen()) ::close(fd);
  return reason;
}

}  // namespace zorvel
