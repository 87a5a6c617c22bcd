#pragma once

#include <QString>

namespace zorvel {

// A save writes its new contents into a scratch copy beside the target (the
// target's name and six more characters, "a.tsv.Xy12ab") and renames it into
// place. A run killed on the way leaves the copy behind, holding the whole
// matrix; the next start clears what it finds beside the files it knows of.

// Removes the scratch copies (files, or folders of the session's save) of
// `target` that an earlier run left: named as above, the user's own, and
// untouched for a minute (a save of another running window takes less).
void ClearScratchBeside(const QString& target);

// Removes the "zorvel-XXXXXX" folders an earlier version's session save left
// in the temporary folder: the user's own, holding only its two scratch INI
// files.
void ClearOldSessionScratch();

}  // namespace zorvel
