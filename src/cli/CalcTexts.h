#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace zorvel {

// One of zorvel-calc's texts in the language it speaks. The translation
// tools read Tr("...") as tr() in the namespace's context, "zorvel".
inline QString Tr(const char* text) { return QCoreApplication::translate("zorvel", text); }

// Every message of zorvel-calc: "zorvel-calc: " and the text.
inline QString Said(const QString& text) { return QStringLiteral("zorvel-calc: ") + text; }

// Speaks the language that --lang names in `arguments` (those after the
// program's name), or else the user's preferred one, as the window does.
// An unknown name is left for the command line's check to refuse.
void UseCalcLanguage(const QStringList& arguments);

}  // namespace zorvel
