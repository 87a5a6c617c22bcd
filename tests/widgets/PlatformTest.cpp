// Message boxes, error reports, the handler boundary and the shell call.

#include "Dialogs.h"
#include "HandlerGuard.h"
#include "PlatformRecorders.h"
#include "Shell.h"
#include "WidgetTestMain.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include <stdexcept>

using namespace zorvel;

namespace {

struct BoxSeen {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
};

// Reads the modal box that `show` opens and closes it with OK.
template <typename Show>
BoxSeen ReadBox(Show show) {
  DialogHook* const testHook = InstallDialogHook(nullptr);  // the real modal boxes, for once
  BoxSeen seen;
  QTimer::singleShot(0, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen = {box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())};
    box->button(QMessageBox::Ok)->click();
  });
  show();
  InstallDialogHook(testHook);
  return seen;
}

}  // namespace

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void messageBoxIsPlainWithOk() {
    const BoxSeen seen = ReadBox([] { ShowMessageBox(QStringLiteral("Matica nie je štvorcová")); });
    QCOMPARE(seen.title, QStringLiteral("zorvel"));
    QCOMPARE(seen.text, QStringLiteral("Matica nie je štvorcová"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, 1);
  }

  void errorBoxHasErrorIconAndFullStop() {
    const BoxSeen seen = ReadBox([] { ReportError(QStringLiteral("Floating point overflow")); });
    QCOMPARE(seen.title, QStringLiteral("zorvel"));
    QCOMPARE(seen.text, QStringLiteral("Floating point overflow."));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, 1);
  }

  void recordersNestAndRestore() {
    DialogRecorder outer;
    {
      DialogRecorder inner;
      ShowMessageBox(QStringLiteral("a"));
      QCOMPARE(inner.messages, QStringList{QStringLiteral("a")});
    }
    ShowMessageBox(QStringLiteral("b"));
    QCOMPARE(outer.messages, QStringList{QStringLiteral("b")});
  }

  void guardReportsEscapedErrorsOnce_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("report");
    QTest::newRow("ascii") << 0 << "Invalid floating point operation.";
    QTest::newRow("windows-1250") << 1 << QString::fromUtf8("Príliš veľké číslo.");
    QTest::newRow("not std::exception") << 2 << "Unknown error.";
  }
  void guardReportsEscapedErrorsOnce() {
    QFETCH(int, kind);
    QFETCH(QString, report);
    DialogRecorder dialogs;
    const bool completed = RunGuarded([kind] {
      if (kind == 0) throw std::runtime_error("Invalid floating point operation");
      if (kind == 1)
        throw std::range_error(
            "Pr\xED"
            "li\x9A ve\xBE"
            "k\xE9 \xE8\xED"
            "slo");
      throw 42;
    });
    QVERIFY(!completed);
    QCOMPARE(dialogs.errors, QStringList{report});
    QVERIFY(RunGuarded([] {}));
    QCOMPARE(dialogs.errors.size(), 1);
  }

  void guardedSlotKeepsExceptionsOutOfQt() {
    DialogRecorder dialogs;
    QObject sender;
    QString seen;
    connect(&sender, &QObject::objectNameChanged, &sender, Guarded([&seen](const QString& name) {
      seen = name;
      throw std::runtime_error("Floating point overflow");
    }));
    connect(&sender, &QObject::objectNameChanged, &sender,
            Guarded([] { throw std::runtime_error("List index out of bounds (-1)"); }));
    sender.setObjectName(QStringLiteral("Pole1"));
    QCOMPARE(seen, QStringLiteral("Pole1"));
    QCOMPARE(dialogs.errors, (QStringList{QStringLiteral("Floating point overflow."),
                                          QStringLiteral("List index out of bounds (-1)")}));
  }

  void shellCallsAreRecordedWhole() {
    ShellRecorder shell;
    QWidget owner;
    ShellExecute(&owner, QString(), QStringLiteral("mailto:a@b.sk?subject=Aplikácia Zorvel 2,1"), QString(),
                 QStringLiteral("C:\\Program Files"), SW_SHOW);
    QCOMPARE(shell.calls.size(), std::size_t{1});
    const ShellCall& call = shell.calls.front();
    QCOMPARE(call.owner.data(), &owner);
    QVERIFY(call.verb.isEmpty());
    QCOMPARE(call.file, QStringLiteral("mailto:a@b.sk?subject=Aplikácia Zorvel 2,1"));
    QVERIFY(call.parameters.isEmpty());
    QCOMPARE(call.directory, QStringLiteral("C:\\Program Files"));
    QCOMPARE(call.show, 5);
  }
};

ZORVEL_WIDGET_TEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
