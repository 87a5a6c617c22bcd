// Windows-1250 conversion where core texts meet Qt: every Slovak letter both
// ways, and characters the code page cannot write.

#include <QtTest>

#include <string>

#include "Cp1250.h"

using namespace zorvel;

Q_DECLARE_METATYPE(std::string)

class Cp1250Test : public QObject {
  Q_OBJECT

 private slots:
  void cp1250RoundTrip_data() {
    QTest::addColumn<std::string>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("too large") << std::string(
                                      "Pr\xED"
                                      "li\x9A ve\xBE"
                                      "k\xE9 \xE8\xED"
                                      "slo")
                               << QString::fromUtf8("Príliš veľké číslo");
    QTest::newRow("columns") << std::string("St\xE5pcov") << QString::fromUtf8("Stĺpcov");
    QTest::newRow("sum") << std::string(
                                "S\xFA\xE8"
                                "et mat\xED"
                                "c")
                         << QString::fromUtf8("Súčet matíc");
    QTest::newRow("euro") << std::string("\x80") << QString::fromUtf8("€");
    QTest::newRow("number") << std::string("-2,5+1i") << QStringLiteral("-2,5+1i");
    QTest::newRow("empty") << std::string() << QString();
  }
  void cp1250RoundTrip() {
    QFETCH(std::string, bytes);
    QFETCH(QString, text);
    QCOMPARE(FromCp1250(bytes), text);
    QCOMPARE(ToCp1250(text), bytes);
  }

  void cp1250Unwritable_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::string>("bytes");
    QTest::newRow("han") << QString::fromUtf8("a中b") << std::string("a?b");
    QTest::newRow("emoji is one character") << QString::fromUtf8("\xF0\x9F\x98\x80!") << std::string("?!");
    QTest::newRow("with slovak") << QString::fromUtf8("č∑") << std::string("\xE8?");
    QTest::newRow("control kept") << QString::fromUtf8(
                                         "\x1A"
                                         "č")
                                  << std::string("\x1A\xE8");
  }
  void cp1250Unwritable() {
    QFETCH(QString, text);
    QFETCH(std::string, bytes);
    QCOMPARE(ToCp1250(text), bytes);
  }
};

QTEST_GUILESS_MAIN(Cp1250Test)
#include "Cp1250Test.moc"
