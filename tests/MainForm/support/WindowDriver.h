#pragma once

// Drives the main window as a user would: typing into cells and spin edits,
// choosing operations with the keyboard, and reading what the grids and
// labels show.

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

#include "Cp1250.h"
#include "ElidedLabel.h"
#include "Panel.h"
#include "SpinEdit.h"
#include "Startup.h"
#include "StringGrid.h"
#include "TMain.h"

namespace zorvel::test {

// The window as the program starts it, shown and active.
inline std::unique_ptr<TMain> OpenWindow() {
  auto window = CreateMain();
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
  return window;
}

template <typename Widget>
Widget* Find(const TMain& window, const char* name) {
  Widget* widget = window.findChild<Widget*>(QString::fromLatin1(name));
  if (widget == nullptr) qFatal("no widget named %s", name);
  return widget;
}

inline StringGrid* Pole(const TMain& window, const char* name) { return Find<StringGrid>(window, name); }
inline SpinEdit* Spin(const TMain& window, const char* name) { return Find<SpinEdit>(window, name); }
inline QLabel* Label(const TMain& window, const char* name) { return Find<QLabel>(window, name); }
// The whole text of a value label, however much of it fits.
inline QString Value(const TMain& window, const char* name) { return Find<ElidedLabel>(window, name)->FullText(); }
inline Panel* PanelNamed(const TMain& window, const char* name) { return Find<Panel>(window, name); }

// Types `text` key by key into whatever has the focus.
inline void TypeKeys(const QString& text) {
  for (const QChar c : text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
}

// Selects matrix element (row, col) of an input grid and types its text, as
// a user does: the first key opens the cell editor, Enter closes it.
inline void TypeCell(StringGrid* grid, int row, int col, const QString& text) {
  grid->setFocus();
  grid->setCurrentIndex(grid->model()->index(row - 1, col - 1));
  if (text.isEmpty()) {
    QTest::keyClick(grid, Qt::Key_F2);
    QLineEdit* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
  } else {
    TypeKeys(text);
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QApplication::processEvents();  // the editor closes through a queued call
}

// Types a whole matrix into an input grid, row by row.
inline void TypeMatrix(StringGrid* grid, const QList<QStringList>& rows) {
  for (int r = 0; r < rows.size(); ++r) {
    for (int c = 0; c < rows[r].size(); ++c) TypeCell(grid, r + 1, c + 1, rows[r][c]);
  }
}

// Puts `text` on the clipboard and pastes it with Ctrl+V into an input grid
// from matrix element (row, col) on.
inline void Paste(StringGrid* grid, int row, int col, const QString& text) {
  QApplication::clipboard()->setText(text);
  grid->setFocus();
  grid->setCurrentIndex(grid->model()->index(row - 1, col - 1));
  QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
}

// Replaces a spin edit's text by typing: select all, then the new text.
inline void TypeSpin(SpinEdit* spin, const QString& text) {
  QLineEdit* editor = spin->Editor();
  editor->setFocus();
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty()) {
    QTest::keyClick(editor, Qt::Key_Delete);
  } else {
    TypeKeys(text);
  }
}

// Sets a matrix's size through its two spin edits.
inline void SetSize(const TMain& window, int matrix, int rows, int cols) {
  TypeSpin(Spin(window, matrix == 1 ? "SpinEdit1" : "SpinEdit3"), QString::number(rows));
  TypeSpin(Spin(window, matrix == 1 ? "SpinEdit2" : "SpinEdit4"), QString::number(cols));
}

// Chooses an operation with the arrow keys on the closed list.
inline void ChooseOperation(const TMain& window, int index) {
  QComboBox* combo = Find<QComboBox>(window, "ComboBox1");
  combo->setFocus();
  while (combo->currentIndex() < index) QTest::keyClick(combo, Qt::Key_Down);
  while (combo->currentIndex() > index) QTest::keyClick(combo, Qt::Key_Up);
}

// What a grid shows in a cell (row and column counted from 0, headers
// included) and in its matrix, row by row.
inline QString Shown(StringGrid* grid, int col, int row) { return FromCp1250(grid->grid().Cells(col, row)); }

inline QList<QStringList> ShownMatrix(StringGrid* grid) {
  QList<QStringList> rows;
  for (int r = 1; r < grid->grid().RowCount(); ++r) {
    QStringList row;
    for (int c = 1; c < grid->grid().ColCount(); ++c) row << Shown(grid, c, r);
    rows << row;
  }
  return rows;
}

inline QStringList RowHeaders(StringGrid* grid) {
  QStringList headers;
  for (int r = 1; r < grid->grid().RowCount(); ++r) headers << Shown(grid, 0, r);
  return headers;
}

inline QStringList ColumnHeaders(StringGrid* grid) {
  QStringList headers;
  for (int c = 1; c < grid->grid().ColCount(); ++c) headers << Shown(grid, c, 0);
  return headers;
}

// Opens a grid's context menu as a right click does and hands it to `use`
// while it is shown; the menu closes afterwards.
inline void WithContextMenu(QWidget* widget, const std::function<void(QMenu&)>& use) {
  QTimer::singleShot(0, widget, [&use] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY2(menu != nullptr, "no context menu");
    use(*menu);
    menu->close();
  });
  // A grid or a tree takes the click on its viewport.
  auto* area = qobject_cast<QAbstractScrollArea*>(widget);
  QWidget* target = area != nullptr ? area->viewport() : widget;
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(target, &event);
}

// The items of a grid's context menu: "" for a separator, an item's keys
// after a tab, "(off)" after a disabled item.
inline QStringList MenuItems(StringGrid* grid) {
  QStringList items;
  WithContextMenu(grid, [&items](QMenu& menu) {
    for (const QAction* action : menu.actions()) {
      const QString keys = action->shortcut().isEmpty() ? QString() : u'\t' + action->shortcut().toString();
      items << (action->isSeparator() ? QString() : action->text() + keys + (action->isEnabled() ? "" : " (off)"));
    }
  });
  return items;
}

// Chooses an item of a grid's context menu by the start of its text: the
// menu closes, then the item runs, as with a click.
inline void ChooseFromMenu(QWidget* grid, const QString& text) {
  WithContextMenu(grid, [&text](QMenu& menu) {
    const QList<QAction*> actions = menu.actions();
    const auto found =
        std::find_if(actions.begin(), actions.end(), [&](QAction* a) { return a->text().startsWith(text); });
    QVERIFY2(found != actions.end(), qPrintable(text));
    menu.hide();
    (*found)->trigger();
  });
}

}  // namespace zorvel::test
