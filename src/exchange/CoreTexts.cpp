#include "CoreTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include "Cp1250.h"
#include "Messages.h"

namespace zorvel {
namespace {

// The core's messages, listed for the translation tools (the core itself
// knows no Qt); at run time each is looked up by its text.
[[maybe_unused]] const char* const kCoreTexts[] = {
    QT_TRANSLATE_NOOP("CoreTexts", "Determinant zo zadanej matice nie je možné vypočítať."),
    QT_TRANSLATE_NOOP("CoreTexts", "Počet fixovaných buniek hore musí byť rovnaký ako vľavo!"),
    QT_TRANSLATE_NOOP("CoreTexts", "K matici 1 nexistuje inverzná matica, pretože nejde o štvorcovú maticu."),
    QT_TRANSLATE_NOOP("CoreTexts", "K matici 1 nexistuje inverzná matica."),
    QT_TRANSLATE_NOOP("CoreTexts", "K matici 1 nexistuje inverzná matica, pretože determinant je rovný nule."),
    QT_TRANSLATE_NOOP("CoreTexts", "Sčítať a odčítať sa môžu len matice s rovnakým počtom stĺpcov a riadkov."),
    QT_TRANSLATE_NOOP("CoreTexts", "Matice nie je možné násobiť."),
    QT_TRANSLATE_NOOP("CoreTexts", "Pre násobenie matíc musí mať prvá rovnaký počet stĺpcov ako druhá riadkov."),
    QT_TRANSLATE_NOOP("CoreTexts", "Sústavu nie je možné vyriešiť, pretože matica 1 nie je štvorcová."),
    QT_TRANSLATE_NOOP("CoreTexts", "Sústavu nie je možné vyriešiť, pretože matica 2 nemá toľko riadkov ako matica 1."),
    QT_TRANSLATE_NOOP("CoreTexts", "Sústava nemá jediné riešenie, pretože determinant matice 1 je rovný nule."),
    QT_TRANSLATE_NOOP("CoreTexts", "Príliš veľké číslo"),
    QT_TRANSLATE_NOOP("CoreTexts", "delenie nulou"),
    QT_TRANSLATE_NOOP("CoreTexts", "neúplný polárny tvar"),
    QT_TRANSLATE_NOOP("CoreTexts", "neúplný zlomok"),
    QT_TRANSLATE_NOOP("CoreTexts", "i aj j v jednom čísle"),
    QT_TRANSLATE_NOOP("CoreTexts", "má viac číslic, ako sa dá pri počítaní ako na papieri prečítať"),
    // The words of a step line whose method rounded to other digits.
    QT_TRANSLATE_NOOP("CoreTexts", "iným postupom"),
    QT_TRANSLATE_NOOP("CoreTexts", "zobrazený výsledok"),
    // Messages with numbers, translated as patterns.
    QT_TRANSLATE_NOOP("CoreTexts", "Sústava nemá riešenie: h(A) = %1, h(A|B) = %2."),
    QT_TRANSLATE_NOOP("CoreTexts", "Hodnosť matice %1: %2"),
};

}  // namespace

QString ShownCoreText(std::string_view text) {
  QString shown = FromCp1250(text);
  const QByteArray source = shown.toUtf8();
  QString translated = QCoreApplication::translate("CoreTexts", source.constData());
  if (translated != shown) return translated;
  // A message that holds numbers ("h(A) = 2") is translated as its pattern,
  // the numbers as %1, %2, ...
  static const QRegularExpression kNumber(QStringLiteral("\\d+"));
  QStringList numbers;
  QString pattern;
  qsizetype from = 0;
  for (const QRegularExpressionMatch& number : kNumber.globalMatch(shown)) {
    numbers << number.captured();
    pattern += shown.mid(from, number.capturedStart() - from) + u'%' + QString::number(numbers.size());
    from = number.capturedEnd();
  }
  if (numbers.isEmpty()) return shown;
  pattern += shown.mid(from);
  const QByteArray patternSource = pattern.toUtf8();
  QString filled = QCoreApplication::translate("CoreTexts", patternSource.constData());
  if (filled == pattern) return shown;
  for (const QString& number : numbers) filled = filled.arg(number);
  return filled;
}

QString ShownValueText(std::string_view text) { return ShownValueText(FromCp1250(text)); }

QString ShownValueText(QString text) {
  const QString message = FromCp1250(kTooLargeNumber);
  if (text.contains(message)) text.replace(message, ShownCoreText(kTooLargeNumber));
  // "iným postupom: ...; zobrazený výsledok: ...": the words in the window's
  // language, the numbers as they are.
  static const QString kOtherMethod = QStringLiteral("iným postupom: ");
  static const QString kShownResult = QStringLiteral("; zobrazený výsledok: ");
  if (text.startsWith(kOtherMethod) && text.contains(kShownResult)) {
    text.replace(kShownResult, QStringLiteral("; ") + QCoreApplication::translate("CoreTexts", "zobrazený výsledok") +
                                   QStringLiteral(": "));
    text.replace(0, kOtherMethod.size() - 2, QCoreApplication::translate("CoreTexts", "iným postupom"));
  }
  return text;
}

QString TooLargeHint() {
  return QCoreApplication::translate(
      "CoreTexts", "Čísla nad 2147483647 sa pri počítaní ako na papieri nedajú zapísať; zaškrtnite Presne.");
}

QString TooLongHint() {
  return QCoreApplication::translate("CoreTexts", "Číslo s viac ako 32 767 číslicami sa do bunky nezmestí.");
}

}  // namespace zorvel
