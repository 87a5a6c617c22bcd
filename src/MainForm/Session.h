#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace zorvel {

class TMain;

// The last session: both matrices with their sizes, the operation, the
// places, the window's geometry and the grids' column widths, kept between
// runs in an INI file.

// The user's own file, ~/.config/zorvel/zorvel.ini.
[[nodiscard]] std::unique_ptr<QSettings> UserSessionSettings();

// Keeps what the window shows now in the INI file at `path`, in place of
// what was kept before. Gives the empty text when kept, or a message saying
// why not; the file kept before is then left as it was.
[[nodiscard]] QString KeepSession(const TMain& window, const QString& path);

// Looks at the kept session's file before it is used: a file cut short,
// binary or damaged otherwise (a key the program always writes is missing)
// is moved aside, to the same name with ".damaged" (and a number when that
// is taken), so the next closing does not write over it. Gives the sentence
// for the status line, or the empty text for a sound file or none. What can
// be read of it is still restored from `settings`, which is read here first.
[[nodiscard]] QString SetAsideDamagedSession(QSettings& settings);

// Shows the kept session in a window just made, recomputing once; its undo
// history starts empty. Nothing is restored from settings that cannot be
// read; a value damaged by hand is left out (a number out of its range is
// brought into it) and the rest restores. An error of the recalculation
// escapes once everything is shown.
void RestoreSession(TMain& window, const QSettings& settings);

}  // namespace zorvel
