#include "CalcTexts.h"

#include "Language.h"

namespace zorvel {

void UseCalcLanguage(const QStringList& arguments) {
  std::optional<Language> named;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--")) break;
    if (argument == QLatin1String("--lang") && i + 1 < arguments.size()) named = LanguageNamed(arguments[i + 1]);
    if (argument.startsWith(QLatin1String("--lang="))) named = LanguageNamed(argument.mid(7));
  }
  UseLanguage(named.value_or(PreferredLanguage()));
}

}  // namespace zorvel
