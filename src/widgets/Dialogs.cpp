#include "Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace zorvel {
namespace {

DialogHook defaultHook;
DialogHook* installed = &defaultHook;

void ShowBox(const QString& text, QMessageBox::Icon icon) {
  QWidget* const window = QApplication::activeWindow();
  QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, window);
  box.setTextFormat(Qt::PlainText);  // texts may hold "<" and "&"
  box.exec();
  // The window takes the keys again, so that its focused field (an open cell
  // editor, say) goes on where it was, whatever the desktop does with the
  // focus when a box closes.
  if (window != nullptr) window->activateWindow();
}

// The suffix of a filter's first pattern: "tsv" for "Text (*.tsv *.txt)".
QString FilterSuffix(const QString& filter) {
  static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
  return pattern.match(filter).captured(1);
}

}  // namespace

void DialogHook::Message(const QString& text) { ShowBox(text, QMessageBox::NoIcon); }

void DialogHook::Error(const QString& text) { ShowBox(text, QMessageBox::Critical); }

QString DialogHook::OpenFileName(const QString& caption, const QString& folder, const QString& filters) {
  return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filters);
}

QString DialogHook::SaveFileName(const QString& caption, const QString& suggestion, const QString& filters) {
  QFileDialog dialog(QApplication::activeWindow(), caption, suggestion, filters);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The format follows the suffix, so a name typed without one gets the
  // chosen filter's.
  const QStringList filterList = dialog.nameFilters();
  for (const QString& filter : filterList) {
    if (FilterSuffix(filter).compare(QFileInfo(suggestion).suffix(), Qt::CaseInsensitive) == 0) {
      dialog.selectNameFilter(filter);
      break;
    }
  }
  dialog.setDefaultSuffix(FilterSuffix(dialog.selectedNameFilter()));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterSuffix(filter)); });
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

DialogHook* InstallDialogHook(DialogHook* hook) {
  DialogHook* const previous = installed == &defaultHook ? nullptr : installed;
  installed = hook != nullptr ? hook : &defaultHook;
  return previous;
}

void ShowMessageBox(const QString& text) { installed->Message(text); }

int DialogHook::ChooseItem(const QString& caption, const QString& label, const QStringList& items) {
  bool chosen = false;
  const QString item = QInputDialog::getItem(QApplication::activeWindow(), caption, label, items, 0, false, &chosen);
  return chosen ? static_cast<int>(items.indexOf(item)) : -1;
}

int AskItem(const QString& caption, const QString& label, const QStringList& items) {
  return installed->ChooseItem(caption, label, items);
}

QString AskOpenFileName(const QString& caption, const QString& folder, const QString& filters) {
  return installed->OpenFileName(caption, folder, filters);
}

QString AskSaveFileName(const QString& caption, const QString& suggestion, const QString& filters) {
  return installed->SaveFileName(caption, suggestion, filters);
}

void ReportError(const QString& text) { installed->Error(ErrorReportText(text)); }

QString ErrorReportText(const QString& text) {
  if (!text.isEmpty() && text.back().unicode() > u'.') return text + u'.';
  return text;
}

}  // namespace zorvel
