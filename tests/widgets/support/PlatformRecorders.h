#pragma once

// Test doubles for the window's platform operations: while one of these lives,
// message boxes, error reports and shell calls are recorded instead of shown.

#include "Dialogs.h"
#include "Shell.h"

#include <QStringList>

#include <vector>

namespace zorvel {

class DialogRecorder : public DialogHook {
 public:
  DialogRecorder() : previous_(InstallDialogHook(this)) {}
  ~DialogRecorder() override { InstallDialogHook(previous_); }
  DialogRecorder(const DialogRecorder&) = delete;
  DialogRecorder& operator=(const DialogRecorder&) = delete;

  void Message(const QString& text) override { messages.append(text); }
  void Error(const QString& text) override { errors.append(text); }
  QString OpenFileName(const QString& caption, const QString& /*folder*/, const QString& filters) override {
    fileDialogs.append(caption + u'|' + filters);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
  }
  QString SaveFileName(const QString& caption, const QString& suggestion, const QString& filters) override {
    fileDialogs.append(caption + u'|' + filters);
    suggestions.append(suggestion);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
  }

  int ChooseItem(const QString& caption, const QString& /*label*/, const QStringList& items) override {
    itemDialogs.append(caption + u'|' + items.join(u'|'));
    return itemAnswers.isEmpty() ? -1 : itemAnswers.takeFirst();
  }

  QStringList messages;  // ShowMessageBox texts
  QStringList errors;    // ReportError texts, full stop already added
  // The file dialogs' answers, first asked first; none left is a cancel.
  QStringList fileAnswers;
  QStringList fileDialogs;  // each dialog's caption and filters, "|" between
  QStringList suggestions;  // what each save dialog suggested
  QList<int> itemAnswers;   // the choices' answers, first asked first; none left is a cancel
  QStringList itemDialogs;  // each choice's caption and items, "|" between

 private:
  DialogHook* previous_;
};

class ShellRecorder : public ShellHook {
 public:
  ShellRecorder() : previous_(InstallShellHook(this)) {}
  ~ShellRecorder() override { InstallShellHook(previous_); }
  ShellRecorder(const ShellRecorder&) = delete;
  ShellRecorder& operator=(const ShellRecorder&) = delete;

  void Execute(const ShellCall& call) override { calls.push_back(call); }

  std::vector<ShellCall> calls;

 private:
  ShellHook* previous_;
};

}  // namespace zorvel
