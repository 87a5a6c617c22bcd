#include "Dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace zorvel {
namespace {

DialogHook defaultHook;
DialogHook* installed = &defaultHook;

void ShowBox(const QString& text, QMessageBox::Icon icon) {
  QWidget* const window = QApplication::activeWindow();
  QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok, window);
  box.setTextFormat(Qt::PlainText);  // texts may hold "<" and "&"
  box.exec();
  // The window takes the keys again, so that its focused field (an open cell
  // editor, say) goes on where it was, whatever the desktop does with the
  // focus when a box closes.
  if (window != nullptr) window->activateWindow();
}

}  // namespace

void DialogHook::Message(const QString& text) { ShowBox(text, QMessageBox::NoIcon); }

void DialogHook::Error(const QString& text) { ShowBox(text, QMessageBox::Critical); }

DialogHook* InstallDialogHook(DialogHook* hook) {
  DialogHook* const previous = installed == &defaultHook ? nullptr : installed;
  installed = hook != nullptr ? hook : &defaultHook;
  return previous;
}

void ShowMessageBox(const QString& text) { installed->Message(text); }

void ReportError(const QString& text) { installed->Error(ErrorReportText(text)); }

QString ErrorReportText(const QString& text) {
  if (!text.isEmpty() && text.back().unicode() > u'.') return text + u'.';
  return text;
}

}  // namespace zorvel
