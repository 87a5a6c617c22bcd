#pragma once

#include <QFile>
#include <QString>

namespace zorvel {

// Opens `path` for reading when it is a regular file, without waiting: a
// named pipe (FIFO) would hold the open until something writes into it,
// and a device or a socket gives no end. Gives the empty text when `file`
// is open, or the reason it is not, in the messages' words.
QString OpenRegularFile(const QString& path, QFile& file);

// The reason `path` is refused as a file to read, when it is something
// other than a regular file; empty for a regular file or nothing at all.
QString NotRegularFileReason(const QString& path);

}  // namespace zorvel
