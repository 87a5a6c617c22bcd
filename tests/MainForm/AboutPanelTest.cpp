// The about panel: opening over the whole window and closing again, where its
// inner panel stands, the picture that creeps away and is never put back, and
// the two texts handed to the shell (recorded, never opened).

#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "ClickableLabel.h"
#include "PlatformRecorders.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

void Open(const TMain& window) { QTest::mouseClick(Find<QToolButton>(window, "SpeedButton2"), Qt::LeftButton); }
void Close(const TMain& window) { QTest::mouseClick(Find<QPushButton>(window, "Button"), Qt::LeftButton); }

void Tick(const TMain& window, int times) {
  QTimer* timer = Find<QTimer>(window, "Timer1");
  QVERIFY(timer->isActive());
  for (int i = 0; i < times; ++i) QMetaObject::invokeMethod(timer, "timeout");
}

}  // namespace

class AboutPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void opensOverTheWindowAndClosesAgain() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 1, 1);
    SetSize(*window, 2, 1, 1);
    TypeCell(Pole(*window, "Pole1"), 1, 1, "2+i");
    const auto results = ShownMatrix(Pole(*window, "Pole5"));
    const int recalculations = window->RecalculationCount();

    Open(*window);
    Panel* about = PanelNamed(*window, "Panel6");
    QVERIFY(!about->isHidden());
    QCOMPARE(about->geometry(), window->rect());
    QVERIFY(PanelNamed(*window, "Panel4")->isHidden());
    QVERIFY(Find<QWidget>(*window, "Splitter4")->isHidden());
    QVERIFY(Find<QTimer>(*window, "Timer1")->isActive());

    Close(*window);
    QVERIFY(about->isHidden());
    QVERIFY(!PanelNamed(*window, "Panel4")->isHidden());
    QVERIFY(!Find<QWidget>(*window, "Splitter4")->isHidden());
    QVERIFY(!Find<QTimer>(*window, "Timer1")->isActive());
    QCOMPARE(ShownMatrix(Pole(*window, "Pole5")), results);
    QCOMPARE(window->RecalculationCount(), recalculations);
    // Panel4 sits above the status line again, the splitter right above it.
    QCOMPARE(PanelNamed(*window, "Panel4")->geometry().bottom() + 1, Find<QWidget>(*window, "StatusLine1")->y());
    QCOMPARE(Find<QWidget>(*window, "Splitter4")->geometry().bottom() + 1, PanelNamed(*window, "Panel4")->y());
  }

  void theInnerPanelIsCentredOnTheOuterWidth_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("left");
    QTest::newRow("initial") << 733 << 178;
    QTest::newRow("wide") << 1000 << 311;
    QTest::newRow("narrowest") << 0 << 0;  // the window's minimum width
  }
  void theInnerPanelIsCentredOnTheOuterWidth() {
    QFETCH(int, width);
    QFETCH(int, left);
    const auto window = OpenWindow();
    const int borders = window->frameGeometry().width() - window->width();
    if (width == 0) {
      width = window->minimumWidth() + borders;
      left = (width - 377) / 2;
    }
    window->resize(width - borders, window->height());
    QCOMPARE(window->frameGeometry().width(), width);
    Open(*window);
    QCOMPARE(PanelNamed(*window, "Panel9")->x(), left);
    QCOMPARE(PanelNamed(*window, "Panel9")->y(), 88);
  }

  void thePictureCreepsAwayAndIsNeverPutBack() {
    const auto window = OpenWindow();
    QWidget* picture = Find<QWidget>(*window, "Image1");
    QCOMPARE(picture->pos(), QPoint(72, 64));
    Open(*window);
    Tick(*window, 10);
    Close(*window);
    Open(*window);
    QCOMPARE(picture->pos(), QPoint(52, 44));
    Tick(*window, 1);
    QCOMPARE(picture->pos(), QPoint(50, 42));
  }

  void theLinksGoToTheShellAsTyped() {
    ShellRecorder shell;
    const auto window = OpenWindow();
    Open(*window);
    QTest::mouseClick(Find<ClickableLabel>(*window, "Label14"), Qt::LeftButton);
    QTest::mouseClick(Find<ClickableLabel>(*window, "Label15"), Qt::LeftButton);
    QCOMPARE(shell.calls.size(), std::size_t{2});
    const ShellCall& web = shell.calls[0];
    QCOMPARE(web.owner.data(), window.get());
    QCOMPARE(web.verb, QString());
    QCOMPARE(web.file, QStringLiteral("http://zorvel.example.org"));
    QCOMPARE(web.parameters, QString());
    QCOMPARE(web.directory, QStringLiteral("C:\\Program Files\\Internet Explorer"));
    QCOMPARE(web.show, SW_SHOW);
    const ShellCall& mail = shell.calls[1];
    QCOMPARE(mail.file, QStringLiteral("mailto:autor@zorvel.example.org?subject=Aplikácia Zorvel 2,1"));
    QCOMPARE(mail.directory, QString());
    QCOMPARE(mail.show, SW_SHOW);
    QVERIFY(!PanelNamed(*window, "Panel6")->isHidden());  // the panel stays open
  }
};

ZORVEL_WIDGET_TEST_MAIN(AboutPanelTest)

#include "AboutPanelTest.moc"
