#include "Dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace zorvel {
namespace {

DialogHook defaultHook;
DialogHook* installed = &defaultHook;

void ShowBox(const QString& text, QMessageBox::Icon icon) {
  QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);  // texts may hold "<" and "&"
  box.exec();
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
