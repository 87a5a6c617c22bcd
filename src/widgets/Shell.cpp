#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace zorvel {
namespace {

ShellHook defaultHook;
ShellHook* installed = &defaultHook;

}  // namespace

void ShellHook::Execute(const ShellCall& call) {
  // Tolerant parsing encodes the blanks of a mail subject.
  QDesktopServices::openUrl(QUrl(call.file, QUrl::TolerantMode));
}

ShellHook* InstallShellHook(ShellHook* hook) {
  ShellHook* const previous = installed == &defaultHook ? nullptr : installed;
  installed = hook != nullptr ? hook : &defaultHook;
  return previous;
}

void ShellExecute(QWidget* owner, const QString& verb, const QString& file, const QString& parameters,
                  const QString& directory, int show) {
  installed->Execute(ShellCall{owner, verb, file, parameters, directory, show});
}

}  // namespace zorvel
