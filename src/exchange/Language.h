#pragma once

#include <QString>

#include <optional>
#include <string_view>

namespace zorvel {

// The window speaks Slovak, its own language, or English through a
// translation. Numbers keep the decimal comma in both: it is the notation of
// the arithmetic, not of the language.
enum class Language { Slovak, English };

// English when the user's preferred language for programs is English,
// Slovak otherwise.
Language PreferredLanguage();

// The language a --lang value names ("sk" or "en"), or none for another.
std::optional<Language> LanguageNamed(const QString& name);

// Installs the translation of the window's texts (and Qt's own, for its
// dialogs) into the application. Must run before the window is made; a
// window made without it is Slovak.
void UseLanguage(Language language);

// The language UseLanguage last installed; Slovak before it runs.
Language LanguageInUse();

// Of a text given in both languages (UTF-8), the one in use.
QString InLanguageInUse(std::string_view slovak, std::string_view english);

}  // namespace zorvel
