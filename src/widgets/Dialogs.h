#pragma once

#include <QString>
#include <QStringList>

namespace zorvel {

// Where message boxes and error reports go. The default implementation opens
// modal boxes; tests install a recorder instead.
class DialogHook {
 public:
  virtual ~DialogHook() = default;
  // A modal box: the application's shown name as title, no icon, one OK
  // button.
  virtual void Message(const QString& text);
  // The report of an error that escaped a handler: error icon, OK. The text
  // arrives with its full stop already added.
  virtual void Error(const QString& text);
  // Modal file dialogs: the file chosen, or the empty text when the user
  // cancels. `filters` as QFileDialog takes them ("Name (*.tsv);;...").
  // Opening starts in `folder`; saving suggests `suggestion` (a path), asks
  // before overwriting, and adds the chosen filter's suffix to a name
  // without one.
  virtual QString OpenFileName(const QString& caption, const QString& folder, const QString& filters);
  virtual QString SaveFileName(const QString& caption, const QString& suggestion, const QString& filters);
  // A modal choice of one of `items` (at least one), the first offered:
  // the index chosen, or -1 when the user cancels.
  virtual int ChooseItem(const QString& caption, const QString& label, const QStringList& items);
};

// Installs `hook` (nullptr: the modal boxes again) and returns the one before.
DialogHook* InstallDialogHook(DialogHook* hook);

void ShowMessageBox(const QString& text);

QString AskOpenFileName(const QString& caption, const QString& folder, const QString& filters);
QString AskSaveFileName(const QString& caption, const QString& suggestion, const QString& filters);
int AskItem(const QString& caption, const QString& label, const QStringList& items);

// Reports an error that escaped a handler, with ErrorReportText applied.
void ReportError(const QString& text);

// The text of an error report: a "." is added when the last character sorts
// after "." (so "overflow" gets one and "(-1)" does not).
QString ErrorReportText(const QString& text);

}  // namespace zorvel
