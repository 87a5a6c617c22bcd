#pragma once

#include <QString>

#include <functional>

class QSettings;

namespace zorvel {

// Saves an INI file of settings as matrix files are saved (SaveFileBytes):
// the old file stays whole when the new one cannot be written, and the
// message says why. QSettings writes its own file through a buffered
// QSaveFile, which on a nearly full disk replaces the file by an empty or
// cut one and reports no error; here it writes a scratch copy only, which is
// read back and compared before it goes into place.
//
// `fill` sets the values into a QSettings in INI form. Gives the empty text
// when saved, or a message naming the file and the reason.
QString SaveSettingsFile(const QString& path, const std::function<void(QSettings&)>& fill);

}  // namespace zorvel
