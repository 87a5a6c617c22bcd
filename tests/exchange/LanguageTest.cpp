// In Slovak, Qt's own dialogs speak Slovak too: the standard buttons of
// message boxes and file dialogs, and the file dialog's own texts.

#include <QtTest>

#include "Language.h"

using namespace zorvel;

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void slovakReachesQtsDialogs() {
    UseLanguage(Language::Slovak);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("Zrušiť"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "&Open"), QString::fromUtf8("&Otvoriť"));
  }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "LanguageTest.moc"
