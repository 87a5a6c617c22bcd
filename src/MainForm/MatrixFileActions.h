#pragma once

#include <QObject>
#include <QString>

namespace zorvel {

class StringGrid;
class TMain;

// Matrices in files (TSV or CSV, as the name's suffix says): the input grids'
// context menu opens a file into its matrix ("Otvoriť maticu…", also by
// dropping the file on the grid) and saves the matrix ("Uložiť maticu…");
// the result grids save what they show ("Uložiť výsledok…"). Opening is one
// step of the undo history and recomputes once.
class MatrixFileActions : public QObject {
  Q_OBJECT

 public:
  explicit MatrixFileActions(TMain& window);

  // Asks for a file and opens it into, or saves, the grid's matrix.
  void Open(StringGrid* pole);
  void Save(StringGrid* pole);

  // Reads the file into Pole1 or Pole2: the matrix takes the file's size
  // (within its limits, a message saying what was left out). A file that
  // cannot be read, or holds no matrix, is named in a message box, and
  // nothing changes.
  void OpenFile(StringGrid* pole, const QString& path);
  // Writes the grid's data cells as shown; a failure is named in a message
  // box.
  void SaveFile(const StringGrid* pole, const QString& path);

 private:
  void AddMenuItem(StringGrid* pole, const QString& text, void (MatrixFileActions::*handler)(StringGrid*));
  // The name a save dialog suggests in the folder last used.
  [[nodiscard]] QString Suggestion(const StringGrid* pole) const;

  TMain& window_;
  // The folder of the file last opened or saved, where the next dialog starts.
  QString folder_;
};

}  // namespace zorvel
