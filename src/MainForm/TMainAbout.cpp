// The about panel: the program's name and version, the author's contacts with
// two links for the shell, and a picture that creeps away once a second.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "Artwork.h"
#include "ClickableLabel.h"
#include "Panel.h"
#include "Shell.h"
#include "Splitter.h"
#include "StatusLine.h"
#include "TMain.h"

namespace zorvel {
namespace {

QLabel* AboutLabel(QLabel* label, const char* name, QPoint at) {
  label->setObjectName(QString::fromLatin1(name));
  label->move(at);
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(colours);
  label->adjustSize();
  return label;
}

QLabel* AboutLabel(QWidget* parent, const char* name, const QString& caption, QPoint at) {
  return AboutLabel(new QLabel(caption, parent), name, at);
}

// A link: aqua, underlined, with the hand cursor.
ClickableLabel* LinkLabel(QWidget* parent, const char* name, const QString& caption, QPoint at) {
  auto* link = new ClickableLabel(caption, parent);
  AboutLabel(link, name, at);
  QPalette colours = link->palette();
  colours.setColor(QPalette::WindowText, QColor(0, 255, 255));
  link->setPalette(colours);
  QFont underlined = link->font();
  underlined.setUnderline(true);
  link->setFont(underlined);
  link->setCursor(Qt::PointingHandCursor);
  link->adjustSize();
  return link;
}

}  // namespace

void TMain::BuildAboutPanel() {
  Panel6 = new Panel(this);
  Panel6->setObjectName(QStringLiteral("Panel6"));
  Panel6->SetCaption(QStringLiteral(" "));
  Panel6->SetColor(kSkyBlue);
  Panel6->setGeometry(160, 32, 497, 345);
  Panel6->hide();
  Layout().Add(Panel6, Align::None);

  Image1 = new QLabel(Panel6);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setPixmap(MatrixPicture(devicePixelRatioF()));
  Image1->setGeometry(72, 64, 128, 72);

  Panel9 = new Panel(Panel6);
  Panel9->setObjectName(QStringLiteral("Panel9"));
  Panel9->SetCaption(QStringLiteral(" "));
  Panel9->SetColor(kMaroon);
  Panel9->setGeometry(178, 88, 377, 209);
  Panel9->raise();  // the picture lies beneath it

  // The version in the language's notation: "2,1" in Slovak, "2.1" in English.
  Label20 = AboutLabel(Panel9, "Label20", TMain::tr("Zorvel 2,1"), {104, 16});
  QFont title(QStringLiteral("URW Bookman"));
  title.setStyleHint(QFont::Serif);
  title.setBold(true);
  title.setPixelSize(32);
  Label20->setFont(title);
  Label20->adjustSize();
  Label10 = AboutLabel(Panel9, "Label10", TMain::tr("Autor: "), {128, 80});
  Label11 = AboutLabel(Panel9, "Label11", QStringLiteral("Jana Príkladná"), {176, 80});
  Label13 = AboutLabel(Panel9, "Label13", TMain::tr("Elektronická adresa:"), {72, 96});
  Label14 = LinkLabel(Panel9, "Label14", QStringLiteral("zorvel.example.org"), {176, 96});
  Label12 = AboutLabel(Panel9, "Label12", TMain::tr("Elektronická pošta:"), {72, 112});
  Label15 = LinkLabel(Panel9, "Label15", QStringLiteral("autor@zorvel.example.org"), {176, 112});
  Label16 = AboutLabel(Panel9, "Label16", TMain::tr("Telefón:"), {72, 128});
  Label17 = AboutLabel(Panel9, "Label17", QStringLiteral("+421 2 0000 0000"), {176, 128});
  Label18 = AboutLabel(Panel9, "Label18", TMain::tr("Mobilný telefón:"), {72, 144});
  Label19 = AboutLabel(Panel9, "Label19", QStringLiteral("+421 900 000 000"), {176, 144});
  // The keys that are easy to miss, below the contact details.
  auto* keyHints = new QLabel(TMain::tr("F1: o programe\nF3 alebo „Ukáž postup“: panel Postup výpočtu\n"
                                        "Ctrl+S: uložiť výpočet"),
                              Panel6);
  keyHints->setObjectName(QStringLiteral("Label24"));
  keyHints->setTextFormat(Qt::PlainText);
  keyHints->setGeometry(Panel9->x(), Panel9->y() + Panel9->height() + 8, Panel9->width(), 3 * 16);
  Button = new QPushButton(TMain::tr("Zavrieť"), Panel9);
  Button->setObjectName(QStringLiteral("Button"));
  Button->setGeometry(152, 168, 75, 25);
  // Esc, Enter and Return close the panel as the button does (Space clicks
  // the focused button by itself).
  for (const QKeySequence& keys :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
    auto* shortcut = new QShortcut(keys, Panel6);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, Button, &QPushButton::click);
  }
}

void TMain::SpeedButton2Click() {
  Timer1->start();
  Layout().SetAlign(Panel6, Align::Client);
  Panel6->setVisible(true);
  Panel6->raise();  // above the matrices, which it now covers
  Splitter4->setVisible(false);
  Panel4->setVisible(false);
  StatusLine1->setVisible(false);
  // Centred on the window's outer width, borders included, truncating toward
  // zero even when the window is narrower than the panel.
  Panel9->move((frameGeometry().width() - Panel9->width()) / 2, Panel9->y());
  // The controls beneath take no keys while the panel covers them: the focus
  // stays on its button.
  focusBeforeAbout_ = QApplication::focusWidget();
  Panel1->setEnabled(false);
  Button->setFocus();
}

void TMain::ButtonClick() {
  Timer1->stop();
  Panel6->setVisible(false);
  StatusLine1->setVisible(true);
  Panel4->setVisible(true);
  Splitter4->setVisible(true);
  Panel1->setEnabled(true);
  if (focusBeforeAbout_ != nullptr && focusBeforeAbout_->isVisible()) focusBeforeAbout_->setFocus();
}

void TMain::Timer1Timer() {
  Image1->move(Image1->x() - 2, Image1->y());
  Image1->move(Image1->x(), Image1->y() - 2);
}

void TMain::Label14Click() {
  const QString directory = QStringLiteral("C:\\Program Files\\Internet Explorer");
  const QString address = QStringLiteral("http://") + Label14->text();
  ShellExecute(this, QString(), address, QString(), directory, SW_SHOW);
}

void TMain::Label15Click() {
  const QString address =
      QStringLiteral("mailto:") + Label15->text() + QStringLiteral("?subject=Aplikácia ") + Label20->text();
  ShellExecute(this, QString(), address, QString(), QString(), SW_SHOW);
}

}  // namespace zorvel
