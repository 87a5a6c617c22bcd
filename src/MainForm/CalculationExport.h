#pragma once

#include <QObject>
#include <QString>

#include <functional>

#include "CalculationReport.h"

class QAction;

namespace zorvel {

class TMain;

// "Uložiť výpočet…" (Ctrl+S anywhere in the window, and every grid's
// context menu): the calculation on screen saved as HTML, or as PDF when the
// chosen name ends in ".pdf", through Qt's document and PDF writer.
class CalculationExport : public QObject {
  Q_OBJECT

 public:
  explicit CalculationExport(TMain& window);

  // Where the steps come from: the lines open in the steps panel.
  void SetStepsSource(std::function<QList<StepLine>()> steps) { steps_ = std::move(steps); }

  // Asks for a file name and saves.
  void Save();
  // Saves to `path`; a failure is named in a message box.
  void SaveFile(const QString& path);

 private:
  TMain& window_;
  QAction* save_;
  std::function<QList<StepLine>()> steps_;
  // The folder of the last save, where the next dialog starts.
  QString folder_;
};

}  // namespace zorvel
