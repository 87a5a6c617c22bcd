// The string grid: it follows every change of its Grid, edits cells in place,
// reports key and mouse releases, and keeps column widths in the grid.

#include "GridModel.h"
#include "GridOps.h"
#include "MouseSteps.h"
#include "StringGrid.h"
#include "WidgetTestMain.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>

using namespace zorvel;

namespace {

// A 3 x 3 matrix grid set up as the window sets up its grids, in a shown,
// active window.
struct Matrix {
  QWidget window;
  StringGrid* view = new StringGrid(&window);
  Grid& grid = view->grid();
  QSignalSpy keys{view, &StringGrid::keyReleased};
  QSignalSpy mouse{view, &StringGrid::mouseReleased};

  explicit Matrix(bool editable = true) {
    view->SetEditable(editable);
    view->SetDefaultRowHeight(15);
    grid.SetDefaultColWidth(30);
    grid.SetRowCount(4);
    grid.SetColCount(4);
    for (int i = 1; i <= 3; ++i) {
      grid.SetCells(0, i, std::to_string(i));
      grid.SetCells(i, 0, std::to_string(i));
    }
    window.resize(300, 200);
    view->resize(300, 200);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    view->setFocus();
    view->setCurrentIndex(view->model()->index(0, 0));  // matrix element (1, 1)
  }
  QString Shown(int row, int col) const { return view->model()->index(row, col).data().toString(); }
  QString Header(Qt::Orientation orientation, int section) const {
    return view->model()->headerData(section, orientation).toString();
  }
  // Types into whatever has the focus, as the keyboard would.
  void Type(const QString& text) {
    for (QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
  }
  // The cell editor is open and has the keyboard.
  [[nodiscard]] bool Editing() const {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr &&
           view->isAncestorOf(QApplication::focusWidget());
  }
};

}  // namespace

class StringGridTest : public QObject {
  Q_OBJECT

 private slots:
  void programWritesShow() {
    Matrix m;
    QCOMPARE(m.view->model()->rowCount(), 3);
    QCOMPARE(m.view->model()->columnCount(), 3);
    QCOMPARE(m.Header(Qt::Horizontal, 2), QStringLiteral("3"));
    QCOMPARE(m.Header(Qt::Vertical, 0), QStringLiteral("1"));
    m.grid.SetCells(2, 1, "1+2i");
    m.grid.SetCells(1, 3,
                    "Pr\xED"
                    "li\x9A ve\xBE"
                    "k\xE9 \xE8\xED"
                    "slo");
    QCOMPARE(m.Shown(0, 1), QStringLiteral("1+2i"));
    QCOMPARE(m.Shown(2, 0), QString::fromUtf8("Príliš veľké číslo"));
    m.grid.SetCells(3, 0, "x");
    QCOMPARE(m.Header(Qt::Horizontal, 2), QStringLiteral("x"));
  }

  void shrinkingAndGrowingShowsOldCells() {
    Matrix m;
    m.grid.SetCells(3, 3, "9");
    m.grid.SetColCount(3);
    m.grid.SetRowCount(3);
    QCOMPARE(m.view->model()->columnCount(), 2);
    QCOMPARE(m.view->model()->rowCount(), 2);
    m.grid.SetColCount(4);
    m.grid.SetRowCount(4);
    QCOMPARE(m.Shown(2, 2), QStringLiteral("9"));
    QCOMPARE(m.Header(Qt::Vertical, 2), QStringLiteral("3"));
  }

  void wholeGridOperationsShow() {
    Matrix m;
    Grid source;
    source.SetRowCount(3);
    source.SetColCount(2);
    source.SetCells(1, 1, "a");
    source.SetCells(1, 2, "b");
    CopyGrid(source, m.grid, false);
    QCOMPARE(m.view->model()->rowCount(), 2);
    QCOMPARE(m.view->model()->columnCount(), 1);
    QCOMPARE(m.Shown(1, 0), QStringLiteral("b"));
    DeleteRow(m.grid, 1);
    QCOMPARE(m.Shown(0, 0), QStringLiteral("b"));

    // An assignment tells only that the shape changed; every cell is redrawn.
    QSignalSpy changes(m.view->model(), &QAbstractItemModel::dataChanged);
    Grid other = m.grid;
    other.SetCells(1, 1, "c");
    m.grid = other;
    QCOMPARE(m.Shown(0, 0), QStringLiteral("c"));
    QCoreApplication::processEvents();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toModelIndex(), m.view->model()->index(0, 0));
  }

  void headerRowGoesWhenFixedRowsDo() {
    Matrix m;
    m.grid.SetCells(2, 0, "top");
    m.grid.SetRowCount(1);  // lowers FixedRows to 0: row 0 becomes data
    QVERIFY(m.view->horizontalHeader()->isHidden());
    QCOMPARE(m.view->model()->rowCount(), 1);
    QCOMPARE(m.Shown(0, 1), QStringLiteral("top"));
  }

  void manyWritesCostOneViewUpdate() {
    Matrix m;
    m.grid.SetRowCount(21);
    m.grid.SetColCount(11);
    QCoreApplication::processEvents();
    QSignalSpy changes(m.view->model(), &QAbstractItemModel::dataChanged);
    QElapsedTimer clock;
    clock.start();
    for (int row = 1; row <= 20; ++row) {
      for (int col = 1; col <= 10; ++col) m.grid.SetCells(col, row, std::to_string(row * col) + ",125");
    }
    QCOMPARE(changes.count(), 0);  // announced later, in one go
    const qint64 writes = clock.nsecsElapsed();
    static_cast<GridModel*>(m.view->model())->Flush();
    const qint64 flush = clock.nsecsElapsed() - writes;
    QCoreApplication::processEvents();
    qInfo("200 cell writes: %lld us, their view update: %lld us, then events and painting: %lld us",
          static_cast<long long>(writes / 1000), static_cast<long long>(flush / 1000),
          static_cast<long long>((clock.nsecsElapsed() - writes - flush) / 1000));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toModelIndex(), m.view->model()->index(0, 0));
    QCOMPARE(changes.at(0).at(1).toModelIndex(), m.view->model()->index(19, 9));
  }

  // A recalculation that rewrites two far corners repaints those two cells,
  // not the block between them; a change of shape repaints everything.
  void theViewRepaintsOnlyTheCellsThatChanged() {
    Matrix m;
    QCoreApplication::processEvents();
    auto& model = static_cast<GridModel&>(*m.view->model());
    QList<QModelIndex> announced;
    bool known = false;
    connect(&model, &QAbstractItemModel::dataChanged, &model, [&] {
      const std::vector<QModelIndex>* cells = model.AnnouncedCells();
      known = cells != nullptr;
      if (known) announced = QList<QModelIndex>(cells->begin(), cells->end());
    });
    m.grid.SetCells(1, 1, "5");
    m.grid.SetCells(3, 3, "6");
    m.grid.SetCells(3, 3, "6");  // the same text: no change
    model.Flush();
    QVERIFY(known);
    QCOMPARE(announced, (QList<QModelIndex>{model.index(0, 0), model.index(2, 2)}));
    m.grid.SetCells(2, 2, "7");
    m.grid.SetRowCount(3);
    model.Flush();
    QVERIFY(!known);
    QVERIFY(model.AnnouncedCells() == nullptr);
  }

  void typingWritesTheCellOnEveryKey() {
    Matrix m;
    m.grid.SetCells(1, 1, "99");
    m.Type(QStringLiteral("1"));
    QVERIFY(m.Editing());
    QCOMPARE(m.grid.Cells(1, 1), std::string("1"));  // the typed key replaced the text
    QCOMPARE(m.keys.count(), 1);
    m.Type(QStringLiteral("+i"));
    QCOMPARE(m.grid.Cells(1, 1), std::string("1+i"));
    QCOMPARE(m.keys.count(), 3);  // one signal per released key
    QCOMPARE(m.keys.at(2).at(0).toInt(), static_cast<int>(Qt::Key_I));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!m.Editing());
    QCOMPARE(m.Shown(0, 0), QStringLiteral("1+i"));
    QCOMPARE(m.keys.count(), 4);
  }

  // From the middle cell of the 3 x 3 matrix: how the editor was opened (or
  // not), the key, and where the current cell ends up, editor still open or
  // not. A text typed before the key is committed on leaving.
  void keysMoveBetweenCellsAsInSpreadsheets_data() {
    QTest::addColumn<QString>("opening");  // "typed", "F2", "double click" or "" (no editor)
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QPoint>("cell");  // column, row of the model after the key
    QTest::addColumn<bool>("editing");
    const int left = Qt::Key_Left, right = Qt::Key_Right, up = Qt::Key_Up, down = Qt::Key_Down;
    const int enter = Qt::Key_Return;
    QTest::newRow("typed, Left leaves") << "typed" << left << false << QPoint(0, 1) << false;
    QTest::newRow("typed, Right leaves") << "typed" << right << false << QPoint(2, 1) << false;
    QTest::newRow("typed, Up leaves") << "typed" << up << false << QPoint(1, 0) << false;
    QTest::newRow("typed, Down leaves") << "typed" << down << false << QPoint(1, 2) << false;
    QTest::newRow("typed, Enter to the next") << "typed" << enter << false << QPoint(2, 1) << false;
    QTest::newRow("typed, Shift+Enter back") << "typed" << enter << true << QPoint(0, 1) << false;
    QTest::newRow("F2, Left moves the caret") << "F2" << left << false << QPoint(1, 1) << true;
    QTest::newRow("F2, Right moves the caret") << "F2" << right << false << QPoint(1, 1) << true;
    QTest::newRow("F2, Up leaves") << "F2" << up << false << QPoint(1, 0) << false;
    QTest::newRow("double click, Left moves the caret") << "double click" << left << false << QPoint(1, 1) << true;
    QTest::newRow("double click, Down leaves") << "double click" << down << false << QPoint(1, 2) << false;
    QTest::newRow("no editor, Enter to the next") << "" << enter << false << QPoint(2, 1) << false;
    QTest::newRow("no editor, Keypad Enter") << "" << static_cast<int>(Qt::Key_Enter) << false << QPoint(2, 1) << false;
  }
  void keysMoveBetweenCellsAsInSpreadsheets() {
    QFETCH(QString, opening);
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(QPoint, cell);
    QFETCH(bool, editing);
    Matrix m;
    m.view->setCurrentIndex(m.view->model()->index(1, 1));
    if (opening == "typed") m.Type(QStringLiteral("5"));
    if (opening == "F2") QTest::keyClick(m.view, Qt::Key_F2);
    if (opening == "double click") {
      const QPoint centre = m.view->visualRect(m.view->currentIndex()).center();
      for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        test::SendMouse(m.view->viewport(), type, centre, down ? Qt::LeftButton : Qt::NoButton);
      }
    }
    QCOMPARE(m.Editing(), !opening.isEmpty());
    if (!opening.isEmpty() && opening != "typed") m.Type(QStringLiteral("7"));
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(m.Editing(), editing);
    QCOMPARE(m.view->currentIndex(), m.view->model()->index(cell.y(), cell.x()));
    if (!opening.isEmpty() && !editing) QVERIFY(!m.grid.Cells(2, 2).empty());  // committed on the way out
  }

  void enterStaysAtTheLastCell() {
    Matrix m;
    m.view->setCurrentIndex(m.view->model()->index(2, 2));
    m.Type(QStringLiteral("9"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!m.Editing());
    QCOMPARE(m.view->currentIndex(), m.view->model()->index(2, 2));
    QCOMPARE(m.grid.Cells(3, 3), std::string("9"));
  }

  void tabLeavesTheGridFromTheEditor() {
    Matrix m;
    auto* next = new QLineEdit(&m.window);
    next->show();
    QWidget::setTabOrder(m.view, next);
    m.Type(QStringLiteral("5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), next);
    QCOMPARE(m.grid.Cells(1, 1), std::string("5"));
  }

  void escapePutsTheTextBack() {
    Matrix m;
    m.grid.SetCells(1, 1, "2,5");
    m.Type(QStringLiteral("7"));
    QCOMPARE(m.grid.Cells(1, 1), std::string("7"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!m.Editing());
    QCOMPARE(m.grid.Cells(1, 1), std::string("2,5"));
  }

  void readOnlyGridRefusesEditing() {
    Matrix m(false);
    m.grid.SetCells(1, 1, "4");
    for (int key : {static_cast<int>(Qt::Key_5), static_cast<int>(Qt::Key_Return), static_cast<int>(Qt::Key_F2)}) {
      QTest::keyClick(m.view, static_cast<Qt::Key>(key));
      QVERIFY(!m.Editing());
    }
    QTest::mouseDClick(m.view->viewport(), Qt::LeftButton, {}, m.view->visualRect(m.view->currentIndex()).center());
    QVERIFY(!m.Editing());
    QCOMPARE(m.grid.Cells(1, 1), std::string("4"));
    QVERIFY(!(m.view->model()->flags(m.view->currentIndex()) & Qt::ItemIsEditable));
  }

  void programmedWidthsShow() {
    Matrix m;
    QCOMPARE(m.view->horizontalHeader()->sectionSize(0), 30);
    QCOMPARE(m.view->verticalHeader()->sectionSize(0), 15);
    QCOMPARE(m.view->horizontalHeader()->height(), 15);
    m.grid.SetColWidths(2, 50);
    m.grid.SetColWidths(0, 40);
    QCOMPARE(m.view->horizontalHeader()->sectionSize(1), 50);
    QCOMPARE(m.view->verticalHeader()->width(), 40);
    EqualizeColWidths(m.grid, false);
    QCOMPARE(m.view->horizontalHeader()->sectionSize(0), 50);
    QCOMPARE(m.view->horizontalHeader()->sectionSize(2), 50);
    // New columns get the default width; the others keep theirs.
    m.grid.SetColCount(6);
    QCOMPARE(m.view->horizontalHeader()->sectionSize(4), 30);
    QCOMPARE(m.grid.ColWidths(1), 50);
  }

  void draggingABorderWritesTheWidth() {
    Matrix m;
    QHeaderView* header = m.view->horizontalHeader();
    const int border = header->sectionViewportPosition(0) + header->sectionSize(0) - 1;
    test::Drag(header->viewport(), QPoint(border, 7), QPoint(25, 0));
    QCOMPARE(m.grid.ColWidths(1), 55);
    QCOMPARE(m.grid.ColWidths(2), 30);
    QCOMPARE(m.mouse.count(), 1);
  }

  void mouseReleasesAreReported() {
    Matrix m(false);
    QTest::mouseClick(m.view->viewport(), Qt::LeftButton, {},
                      m.view->visualRect(m.view->model()->index(1, 1)).center());
    QCOMPARE(m.mouse.count(), 1);
    QTest::mouseClick(m.view->verticalHeader()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(m.mouse.count(), 2);
    QCOMPARE(m.view->currentIndex(), m.view->model()->index(1, 1));  // header clicks select nothing
  }

  void shiftArrowsSelectARange() {
    Matrix m(false);
    QTest::keyClick(m.view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(m.view, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(m.view->selectionModel()->selectedIndexes().size(), 4);
  }
};

ZORVEL_WIDGET_TEST_MAIN(StringGridTest)
#include "StringGridTest.moc"
