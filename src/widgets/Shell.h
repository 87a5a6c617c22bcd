#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace zorvel {

constexpr int SW_SHOW = 5;

// One call of the shell's open operation, as its caller made it.
struct ShellCall {
  QPointer<QWidget> owner;
  QString verb;
  QString file;
  QString parameters;
  QString directory;
  int show = 0;
};

// Where shell calls go. The default hands the file to the desktop's default
// handler; tests install a recorder instead.
class ShellHook {
 public:
  virtual ~ShellHook() = default;
  virtual void Execute(const ShellCall& call);
};

// Installs `hook` (nullptr: the desktop again) and returns the one before.
ShellHook* InstallShellHook(ShellHook* hook);

// Opens `file` (a URL) with the desktop's default handler. Only the file is
// used on this platform; the result is not reported, as nobody examines it.
void ShellExecute(QWidget* owner, const QString& verb, const QString& file, const QString& parameters,
                  const QString& directory, int show);

}  // namespace zorvel
