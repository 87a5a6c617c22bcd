// Texts at the widget boundary: the integer reader of the spin edit and the
// full stop of error reports.

#include "Cp1250.h"
#include "Dialogs.h"
#include "NumberText.h"
#include "WidgetTestMain.h"

#include <optional>

using namespace zorvel;

Q_DECLARE_METATYPE(std::optional<int>)

class TextTest : public QObject {
  Q_OBJECT

 private slots:
  void readInteger_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("value");
    const std::optional<int> none;
    QTest::newRow("empty") << "" << none;
    QTest::newRow("letters") << "abc" << none;
    QTest::newRow("trailing letters") << "12abc" << none;
    QTest::newRow("blanks around") << " 7 " << std::optional(7);
    QTest::newRow("plus") << "+5" << std::optional(5);
    QTest::newRow("minus") << "-3" << std::optional(-3);
    QTest::newRow("sign alone") << "-" << none;
    QTest::newRow("dollar hex") << "$1F" << std::optional(31);
    QTest::newRow("x hex") << "x1f" << std::optional(31);
    QTest::newRow("0x hex") << "0X1F" << std::optional(31);
    QTest::newRow("hex pattern") << "$FFFFFFFF" << std::optional(-1);
    QTest::newRow("hex too long") << "$100000000" << none;
    QTest::newRow("prefix alone") << "$" << none;
    QTest::newRow("decimal comma") << "1,5" << none;
    QTest::newRow("largest") << "2147483647" << std::optional(2147483647);
    QTest::newRow("past largest") << "2147483648" << none;
    QTest::newRow("smallest") << "-2147483648" << std::optional(-2147483647 - 1);
    QTest::newRow("far too large") << "99999999999" << none;
  }
  void readInteger() {
    QFETCH(QString, text);
    QFETCH(std::optional<int>, value);
    // What a spin edit's Value understands: the core's reader on the text.
    const std::optional<std::int32_t> read = TryTextToInt(ToCp1250(text));
    QCOMPARE(read ? std::optional<int>(*read) : std::optional<int>(), value);
  }

  void errorReportText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("report");
    QTest::newRow("letter") << "Floating point overflow"
                            << "Floating point overflow.";
    QTest::newRow("parenthesis") << "List index out of bounds (-1)"
                                 << "List index out of bounds (-1)";
    QTest::newRow("full stop") << "Done."
                               << "Done.";
    QTest::newRow("minus sorts before") << "x-"
                                        << "x-";
    QTest::newRow("slash sorts after") << "1/"
                                       << "1/.";
    QTest::newRow("accented") << QString::fromUtf8("číslo") << QString::fromUtf8("číslo.");
    QTest::newRow("empty") << ""
                           << "";
  }
  void errorReportText() {
    QFETCH(QString, text);
    QFETCH(QString, report);
    QCOMPARE(ErrorReportText(text), report);
  }
};

ZORVEL_WIDGET_TEST_MAIN(TextTest)
#include "TextTest.moc"
