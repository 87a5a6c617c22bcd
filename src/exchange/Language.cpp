#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zorvel {
namespace {

Language inUse = Language::Slovak;

}  // namespace

Language PreferredLanguage() {
  const QStringList preferred = QLocale::system().uiLanguages();
  if (!preferred.isEmpty() && preferred.front().startsWith(QStringLiteral("en"))) return Language::English;
  return Language::Slovak;
}

std::optional<Language> LanguageNamed(const QString& name) {
  if (name == QStringLiteral("sk")) return Language::Slovak;
  if (name == QStringLiteral("en")) return Language::English;
  return std::nullopt;
}

Language LanguageInUse() { return inUse; }

QString InLanguageInUse(std::string_view slovak, std::string_view english) {
  const std::string_view text = inUse == Language::English ? english : slovak;
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void UseLanguage(Language language) {
  inUse = language;
  // The translators live as long as the application.
  if (language == Language::English) {
    auto* window = new QTranslator(QCoreApplication::instance());
    if (window->load(QStringLiteral(":/i18n/zorvel_en.qm"))) QCoreApplication::installTranslator(window);
    return;
  }
  // Qt's own texts (the file dialog's buttons, --help's headings) in Slovak,
  // where the system has them.
  auto* qt = new QTranslator(QCoreApplication::instance());
  if (qt->load(QStringLiteral("qtbase_sk"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
  }
  // The standard buttons ("Zrušiť"), which Qt's translation leaves English.
  auto* buttons = new QTranslator(QCoreApplication::instance());
  if (buttons->load(QStringLiteral(":/i18n/qtplatform_sk.qm"))) QCoreApplication::installTranslator(buttons);
}

}  // namespace zorvel
