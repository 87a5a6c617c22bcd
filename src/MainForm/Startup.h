#pragma once

#include <QString>

#include <memory>

#include "Language.h"
#include "TMain.h"

class QCommandLineParser;
class QSettings;

namespace zorvel {

// Gives the application its name, its shown name "Zorvel", which message
// boxes carry as their title, and its version.
void InitialiseApplication();

// Creates the main window and runs its start-up (FormCreate), centred on the
// desktop and ready to be shown. An error of the start-up is reported like
// any escaped error, and the window is still returned.
std::unique_ptr<TMain> CreateMain();

// The program's command line: --fresh, --lang, --help, --version and up to
// two matrix files, for matrix 1 and matrix 2.
void AddStartOptions(QCommandLineParser& parser);

// Why the parsed command line cannot start the window (more files than the
// two matrices), as "zorvel: ..." says it; empty when it can.
QString StartArgumentsRefusal(const QCommandLineParser& parser);

// The window's language: as --lang names it, or the user's preferred one.
// Read before the command line's texts are made, so that --help speaks it.
Language StartLanguage(const QStringList& arguments);

// Where QSettings keeps the user's INI file of the session
// (UserSessionSettings), known without opening it: QSettings reads its file
// as it is made, and would wait there on a FIFO.
QString UserSessionPath();

// The kept session's settings (UserSessionSettings), unless their file is
// something other than a regular file (a FIFO, a device), which is then not
// read: the settings are empty and `refusal` says why; otherwise it is
// emptied.
std::unique_ptr<QSettings> StartSessionSettings(QString& refusal);

// The window as the parsed command line asks: CreateMain, then the kept
// session from `settings` unless --fresh is given. An error while the
// session is shown is reported like any escaped error.
std::unique_ptr<TMain> StartMain(const QCommandLineParser& parser, const QSettings& settings);

// Opens the files named on the command line (as the desktop hands them
// over) into matrix 1 and 2, over what the session brought back; called once
// the window is shown, so that a message about a file stands over it.
void OpenStartFiles(TMain& main, const QCommandLineParser& parser);

}  // namespace zorvel
