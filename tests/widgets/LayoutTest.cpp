// Edge alignment of children, splitters and panels.

#include "AlignLayout.h"
#include "MouseSteps.h"
#include "Panel.h"
#include "Splitter.h"
#include "StringGrid.h"
#include "WidgetTestMain.h"

#include <QImage>
#include <memory>

using namespace zorvel;

namespace {

struct Child {
  Align align;
  int extent;
  bool hidden = false;
};
using Children = QList<Child>;
using Rects = QList<QRect>;

constexpr QSize kClientArea(725, 416);  // the window's client area

// A shown container of the window's client size with an AlignLayout.
struct Container {
  QWidget widget;
  AlignLayout* layout = new AlignLayout(&widget);
  Container() {
    widget.resize(kClientArea);
    widget.show();
  }
};

}  // namespace

Q_DECLARE_METATYPE(Children)

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void childrenTakeEdgesInOrder_data() {
    QTest::addColumn<Children>("children");
    QTest::addColumn<Rects>("expected");  // empty: not checked (hidden)
    QTest::newRow("window") << Children{{Align::Client, 0}, {Align::Bottom, 177}, {Align::Bottom, 8}}
                            << Rects{{0, 0, 725, 231}, {0, 239, 725, 177}, {0, 231, 725, 8}};
    QTest::newRow("every edge")
        << Children{{Align::Client, 0}, {Align::Right, 232}, {Align::Left, 272}, {Align::Bottom, 43}, {Align::Top, 88}}
        << Rects{{272, 88, 221, 285}, {493, 88, 232, 285}, {0, 88, 272, 285}, {0, 373, 725, 43}, {0, 0, 725, 88}};
    QTest::newRow("left in order") << Children{{Align::Left, 272}, {Align::Left, 8}, {Align::Client, 0}}
                                   << Rects{{0, 0, 272, 416}, {272, 0, 8, 416}, {280, 0, 445, 416}};
    QTest::newRow("right in order") << Children{{Align::Right, 232},
                                                {Align::Right, 8},
                                                {Align::Right, 16},
                                                {Align::Client, 0}}
                                    << Rects{{493, 0, 232, 416}, {485, 0, 8, 416}, {469, 0, 16, 416}, {0, 0, 469, 416}};
    QTest::newRow("top in order") << Children{{Align::Top, 88}, {Align::Top, 40}, {Align::Client, 0}}
                                  << Rects{{0, 0, 725, 88}, {0, 88, 725, 40}, {0, 128, 725, 288}};
    QTest::newRow("hidden takes no space")
        << Children{{Align::Top, 88, true}, {Align::Left, 100}, {Align::Bottom, 50, true}, {Align::Client, 0}}
        << Rects{{}, {0, 0, 100, 416}, {}, {100, 0, 625, 416}};
    QTest::newRow("clients overlap") << Children{{Align::Client, 0}, {Align::Left, 25}, {Align::Client, 0}}
                                     << Rects{{25, 0, 700, 416}, {0, 0, 25, 416}, {25, 0, 700, 416}};
    QTest::newRow("overfull leaves an empty client")
        << Children{{Align::Top, 300}, {Align::Bottom, 200}, {Align::Client, 0}}
        << Rects{{0, 0, 725, 300}, {0, 216, 725, 200}, {0, 300, 725, 0}};
  }
  void childrenTakeEdgesInOrder() {
    QFETCH(Children, children);
    QFETCH(Rects, expected);
    Container box;
    std::vector<QWidget*> widgets;
    for (const Child& child : children) {
      auto* widget = new QWidget(&box.widget);
      widget->setHidden(child.hidden);
      box.layout->Add(widget, child.align, child.extent);
      widgets.push_back(widget);
    }
    for (qsizetype i = 0; i < expected.size(); ++i) {
      if (expected[i].isNull()) continue;
      QCOMPARE(widgets[static_cast<std::size_t>(i)]->geometry(), expected[i]);
    }
  }

  void changesReflowAtOnce() {
    Container box;
    auto* top = new QWidget(&box.widget);
    auto* client = new QWidget(&box.widget);
    auto* about = new QWidget(&box.widget);
    box.layout->Add(top, Align::Top, 88);
    box.layout->Add(client, Align::Client);
    box.layout->Add(about, Align::None);
    about->setGeometry(160, 32, 497, 345);
    QCOMPARE(client->geometry(), QRect(0, 88, 725, 328));
    QCOMPARE(about->geometry(), QRect(160, 32, 497, 345));  // the program places it

    // No event processing between a change and reading the geometry.
    top->hide();
    QCOMPARE(client->geometry(), QRect(0, 0, 725, 416));
    top->show();
    QCOMPARE(client->geometry(), QRect(0, 88, 725, 328));
    box.layout->SetExtent(top, 100);
    QCOMPARE(client->geometry(), QRect(0, 100, 725, 316));
    box.layout->SetAlign(about, Align::Client);
    QCOMPARE(about->geometry(), client->geometry());
    box.widget.resize(1000, 500);
    QCOMPARE(client->geometry(), QRect(0, 100, 1000, 400));
  }

  void windowNarrowsTo300() {
    QWidget window;
    auto* layout = new AlignLayout(&window);
    auto* panel = new Panel(&window);
    layout->Add(panel, Align::Client);
    auto* grid = new StringGrid(panel);
    grid->grid().SetColCount(11);
    panel->Layout().Add(grid, Align::Client);
    auto* side = new Panel(panel);
    panel->Layout().Add(side, Align::Left, 272);
    window.resize(kClientArea);
    window.show();
    QVERIFY(window.minimumSizeHint().width() <= 300);
    window.resize(300, 200);
    QCOMPARE(window.width(), 300);
  }

  void splitterResizesItsTarget_data() {
    QTest::addColumn<Align>("align");
    QTest::addColumn<QPoint>("move");
    QTest::addColumn<int>("extent");
    // Targets: left 272, right 232, bottom 177 beside a client area.
    QTest::newRow("left wider") << Align::Left << QPoint(50, 0) << 322;
    QTest::newRow("left narrower") << Align::Left << QPoint(-100, 0) << 172;
    QTest::newRow("left keeps 30") << Align::Left << QPoint(-500, 0) << 30;
    QTest::newRow("left leaves client 30") << Align::Left << QPoint(900, 0) << 725 - 8 - 30;
    QTest::newRow("right grows leftward") << Align::Right << QPoint(-40, 0) << 272;
    QTest::newRow("right shrinks") << Align::Right << QPoint(40, 0) << 192;
    QTest::newRow("right leaves client 30") << Align::Right << QPoint(-900, 0) << 725 - 8 - 30;
    QTest::newRow("bottom grows upward") << Align::Bottom << QPoint(0, -30) << 207;
    QTest::newRow("bottom keeps 30") << Align::Bottom << QPoint(0, 400) << 30;
    QTest::newRow("bottom leaves client 30") << Align::Bottom << QPoint(0, -900) << 416 - 8 - 30;
  }
  void splitterResizesItsTarget() {
    QFETCH(Align, align);
    QFETCH(QPoint, move);
    QFETCH(int, extent);
    Container box;
    auto* client = new QWidget(&box.widget);
    box.layout->Add(client, Align::Client);
    auto* target = new QWidget(&box.widget);
    box.layout->Add(target, align, align == Align::Left ? 272 : align == Align::Right ? 232 : 177);
    auto* splitter = new Splitter(&box.widget, align, target);
    QCOMPARE(box.layout->AlignOf(splitter), align);
    QCOMPARE(splitter->cursor().shape(), align == Align::Bottom ? Qt::SplitVCursor : Qt::SplitHCursor);

    test::Drag(splitter, QPoint(4, 4), move);
    QCOMPARE(box.layout->Extent(target), extent);
    const QSize size = target->size();
    QCOMPARE(align == Align::Bottom ? size.height() : size.width(), extent);
    // The splitter stays beside its target, the client fills the rest.
    const QRect bar = splitter->geometry();
    switch (align) {
      case Align::Left: QCOMPARE(bar.left(), target->geometry().right() + 1); break;
      case Align::Right: QCOMPARE(bar.right() + 1, target->geometry().left()); break;
      default: QCOMPARE(bar.bottom() + 1, target->geometry().top()); break;
    }
    QVERIFY(client->width() >= Splitter::kMinSize && client->height() >= Splitter::kMinSize);
  }

  void panelChildrenStayInsideTheBevel() {
    Panel panel;
    panel.resize(100, 50);
    auto* child = new QWidget(&panel);
    panel.Layout().Add(child, Align::Client);
    panel.show();
    QCOMPARE(child->geometry(), QRect(1, 1, 98, 48));
    panel.SetBevel(Bevel::None);
    panel.Layout().SetExtent(child, 0);  // any re-flow
    panel.resize(100, 51);
    QCOMPARE(child->geometry(), QRect(0, 0, 100, 51));
  }

  void panelCaptionShowsWhenChildrenHide() {
    Panel panel;
    panel.resize(400, 177);
    panel.SetColor(Qt::white);
    auto* child = new QWidget(&panel);
    child->setAutoFillBackground(true);
    panel.Layout().Add(child, Align::Client);
    panel.SetCaption(QStringLiteral("Matice nemajú rovnaký rozmer, súčet sa nedá vypočítať."));
    panel.show();
    const auto darkPixels = [&panel] {
      const QImage image = panel.grab().toImage();
      int dark = 0;
      for (int y = 5; y < image.height() - 5; ++y) {
        for (int x = 5; x < image.width() - 5; ++x) dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
      }
      return dark;
    };
    QCOMPARE(darkPixels(), 0);  // the child covers the caption
    child->hide();
    QVERIFY(darkPixels() > 0);
    panel.SetCaption(QStringLiteral(" "));
    QCOMPARE(darkPixels(), 0);
  }
};

ZORVEL_WIDGET_TEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
