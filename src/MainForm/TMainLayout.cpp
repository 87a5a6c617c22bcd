// The window's component tree: every component with its initial properties,
// its place and its name, then the wiring of events to handlers. Components
// get their initial values before any handler is attached, so building the
// window runs no handler.
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <utility>

#include "Artwork.h"
#include "BackgroundCalculation.h"
#include "CalculationExport.h"
#include "ClickableLabel.h"
#include "ColumnFit.h"
#include "ElidedLabel.h"
#include "GridModel.h"
#include "HandlerGuard.h"
#include "InputHistory.h"
#include "KeptCalculation.h"
#include "Language.h"
#include "MatrixFileActions.h"
#include "MessageBoxDisplay.h"
#include "OperationList.h"
#include "Panel.h"
#include "ResultHeight.h"
#include "ShownValues.h"
#include "SpinEdit.h"
#include "Splitter.h"
#include "StatusLine.h"
#include "StepsPanel.h"
#include "StringGrid.h"
#include "TMain.h"

namespace zorvel {
namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

Panel* NewPanel(QWidget* parent, const char* name, const QString& caption, Bevel bevel = Bevel::Raised) {
  Panel* panel = Named(new Panel(parent), name);
  panel->SetCaption(caption);
  panel->SetBevel(bevel);
  return panel;
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& caption, QPoint at) {
  QLabel* label = Named(new QLabel(caption, parent), name);
  label->setTextFormat(Qt::PlainText);
  label->move(at);
  label->adjustSize();
  return label;
}

// A determinant value: as wide as the strip allows, cut with "…" beyond.
ElidedLabel* NewValueLabel(QWidget* parent, const char* name, QPoint at, int height) {
  ElidedLabel* label = Named(new ElidedLabel(QString::fromLatin1(name), parent), name);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setGeometry(QRect(at, QSize(0, height)));
  label->StretchToParent(4);
  return label;
}

SpinEdit* NewSpinEdit(QWidget* parent, const char* name, int minValue, int maxValue, int value, int width, QPoint at) {
  SpinEdit* spinEdit = Named(new SpinEdit(parent), name);
  spinEdit->SetMinValue(minValue);
  spinEdit->SetMaxValue(maxValue);
  spinEdit->SetValue(value);
  spinEdit->setFixedWidth(width);
  spinEdit->move(at);
  return spinEdit;
}

StringGrid* NewGrid(QWidget* parent, const char* name, bool editable) {
  StringGrid* grid = Named(new StringGrid(parent), name);
  grid->grid().SetDefaultColWidth(30);
  grid->SetDefaultRowHeight(15);
  grid->SetEditable(editable);
  return grid;
}

// An image button. It stays out of the Tab order between the fields and is
// reached by its shortcut, which its tooltip names; the shortcut works only
// while the button is shown and enabled. The shortcut clicks at once: a
// button's own shortcut clicks 100 ms later, when the keys typed after it
// may have hidden the button or changed what it acts on.
QToolButton* NewSpeedButton(QWidget* parent, const char* name, const QIcon& icon, QSize size, QPoint at,
                            const QString& hint, const QKeySequence& shortcut) {
  QToolButton* button = Named(new QToolButton(parent), name);
  button->setIcon(icon);
  button->setIconSize(QSize(size.width() - 6, size.height() - 6));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  auto* keys = new QShortcut(shortcut, button);  // on the button: only while it is visible and enabled
  QObject::connect(keys, &QShortcut::activated, button, &QToolButton::click);
  button->setToolTip(hint + QStringLiteral(" (") + shortcut.toString(QKeySequence::NativeText) + u')');
  button->setAccessibleName(hint);
  button->setGeometry(QRect(at, size));
  return button;
}

QGroupBox* NewGroupBox(QWidget* parent, const char* name, const QString& caption) {
  QGroupBox* box = Named(new QGroupBox(caption, parent), name);
  box->setAutoFillBackground(true);  // nothing of the panel beneath shows through
  return box;
}

// The bold Bookman-like serif of the i^2 = -1 reminder and the about title.
QFont BookmanBold(int pixelSize) {
  QFont font(QStringLiteral("URW Bookman"));
  font.setStyleHint(QFont::Serif);
  font.setBold(true);
  font.setPixelSize(pixelSize);
  return font;
}

// The image buttons' shortcuts: swap (X for exchange), copy the inverse up,
// the about panel (help).
const QKeySequence kSwapKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_X);
const QKeySequence kCopyUpKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_Up);
const QKeySequence kAboutKeys(Qt::Key_F1);

// The run of spaces in Label21 over which DesM stands.
const QString kSpacesUnderDesM(13, QLatin1Char(' '));

// The words before DesM in Label21.
QString PlacesLead() { return TMain::tr("Zaokrúhľovať na"); }

// "Zaokrúhľovať na 3 desatinné miesta", "... 5 desatinných miest": Slovak
// numerals from five on take the genitive plural (a language may use one
// ending for both).
QString PlacesSentence(int places, bool significant = false) {
  if (significant) {
    const QString digits = places >= 2 && places <= 4 ? TMain::tr("platné číslice", "after 2 to 4")
                                                      : TMain::tr("platných číslic", "after 5 to 9");
    return PlacesLead() + kSpacesUnderDesM + digits;
  }
  const QString ending = places >= 2 && places <= 4 ? TMain::tr("desatinné miesta", "after 2 to 4")
                                                    : TMain::tr("desatinných miest", "after 5 to 9");
  return PlacesLead() + kSpacesUnderDesM + ending;
}

}  // namespace

void TMain::ShowPlacesSentence() {
  // The same field counts significant digits when the form asks for them.
  const bool significant = CheckBoxPlatne != nullptr && ChosenForm().significant;  // built after the sentence
  Label21->setText(PlacesSentence(DesM->Value(), significant));
  Label21->adjustSize();
}

TMain::TMain(QWidget* parent)
    : QWidget(parent), messageBox_(std::make_unique<MessageBoxDisplay>()), previousMessageDisplay_(nullptr) {
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(QStringLiteral("Zorvel"));
  setWindowIcon(WindowIcon());
  // "MS Sans Serif" 8 points is 11 pixels high; Liberation Sans is Debian's
  // nearest match.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  setFont(font);
  setAutoFillBackground(true);
  resize(725, 416);

  BuildLayout();
  setMinimumSize(MinimumUsableSize());
  BuildAboutPanel();
  NameForScreenReaders();
  SetTabOrder();
  history_ = std::make_unique<InputHistory>(*this);
  files_ = std::make_unique<MatrixFileActions>(*this);
  export_ = std::make_unique<CalculationExport>(*this);
  steps_ = std::make_unique<StepsPanel>(*this);
  export_->SetStepsSource([this] { return steps_->OpenStepLines(); });
  background_ = std::make_unique<BackgroundCalculation>();
  connect(background_.get(), &BackgroundCalculation::finished, this,
          Guarded([this](const std::shared_ptr<KeptCalculation>& kept, const QByteArray& error) {
            BackgroundFinished(kept, error);
          }));
  ConnectHandlers();
  columnFit_ = std::make_unique<ColumnFit>(*this);
  resultHeight_ = std::make_unique<ResultHeight>(*this);
  StatusLine1->Follow({Pole1, Pole2, Pole3, Pole4, Pole5});
  connect(this, &TMain::recalculated, StatusLine1, &StatusLine::Refresh);
  FollowTooLargeNumbers(*this);
  // The determinant's messages go to the message box.
  previousMessageDisplay_ = InstallMessageDisplay(messageBox_.get());
}

TMain::~TMain() { InstallMessageDisplay(previousMessageDisplay_); }

// The window's component tree, area by area, in the order the layouts need:
// each layout places its children in the order they are added.
void TMain::BuildLayout() {
  auto* client = new AlignLayout(this);
  BuildMatrixPanels();
  BuildMatrix1Block();
  BuildMatrix2Block();
  BuildCalculationArea(*client);
  BuildCalculationBar();
  BuildInverseView();
  BuildResultView();
  Timer1 = Named(new QTimer(this), "Timer1");
  Timer1->setInterval(1000);
}

// The upper area: matrix 1 left, matrix 2 right of the splitter.
void TMain::BuildMatrixPanels() {
  Panel1 = NewPanel(this, "Panel1", QString());
  Panel2 = NewPanel(Panel1, "Panel2", QStringLiteral("Panel2"));
  Panel1->Layout().Add(Panel2, Align::Left, 272);
  Splitter1 = Named(new Splitter(Panel1, Align::Left, Panel2), "Splitter1");
  Panel3 = NewPanel(Panel1, "Panel3", QStringLiteral("Panel3"));
  Panel1->Layout().Add(Panel3, Align::Client);
}

// Matrix 1: its sizes and "i² = -1" above, the determinant strip below.
void TMain::BuildMatrix1Block() {
  GroupBox1 = NewGroupBox(Panel2, "GroupBox1", tr("Matica 1"));
  Panel2->Layout().Add(GroupBox1, Align::Top, 88);
  Label1 = NewLabel(GroupBox1, "Label1", tr("Riadkov"), {16, 26});
  SpinEdit1 = NewSpinEdit(GroupBox1, "SpinEdit1", 1, kMaxRows, 1, 57, {64, 22});
  Label2 = NewLabel(GroupBox1, "Label2", tr("Stĺpcov"), {16, 58});
  SpinEdit2 = NewSpinEdit(GroupBox1, "SpinEdit2", 1, kMaxCols, 1, 57, {64, 54});
  Label22 = NewLabel(GroupBox1, "Label22", QStringLiteral("i  = -1"), {160, 40});
  Label22->setFont(BookmanBold(21));
  Label22->adjustSize();
  Label23 = NewLabel(GroupBox1, "Label23", QStringLiteral("2"), {168, 32});
  Label23->setFont(BookmanBold(13));
  Label23->adjustSize();
  BuildDeterminantStrip();
  Pole1 = NewGrid(Panel2, "Pole1", true);
  Panel2->Layout().Add(Pole1, Align::Client);
}

// "Determinant:" and "1/determ.:" with their values, under matrix 1.
void TMain::BuildDeterminantStrip() {
  Panel5 = NewPanel(Panel2, "Panel5", QStringLiteral(" "));
  Panel2->Layout().Add(Panel5, Align::Bottom, 43);
  Label5 = NewLabel(Panel5, "Label5", tr("Determinant:"), {8, 6});
  Label6 = NewLabel(Panel5, "Label6", tr("1/determ.:"), {8, 23});
  Determinant1 = NewValueLabel(Panel5, "Determinant1", {76, 6}, Label5->height());
  Determinant11 = NewValueLabel(Panel5, "Determinant11", {76, 23}, Label6->height());
}

// Matrix 2: the swap button and its sizes above the grid.
void TMain::BuildMatrix2Block() {
  GroupBox2 = NewGroupBox(Panel3, "GroupBox2", tr("Matica 2"));
  Panel3->Layout().Add(GroupBox2, Align::Top, 88);
  SpeedButton1 =
      NewSpeedButton(GroupBox2, "SpeedButton1", SwapIcon(), {35, 35}, {8, 30}, tr("Vymeniť matice"), kSwapKeys);
  Label3 = NewLabel(GroupBox2, "Label3", tr("Riadkov"), {56, 26});
  SpinEdit3 = NewSpinEdit(GroupBox2, "SpinEdit3", 1, kMaxRows, 1, 57, {104, 22});
  Label4 = NewLabel(GroupBox2, "Label4", tr("Stĺpcov"), {56, 58});
  SpinEdit4 = NewSpinEdit(GroupBox2, "SpinEdit4", 1, kMaxCols, 1, 57, {104, 54});
  Pole2 = NewGrid(Panel3, "Pole2", true);
  // A cell not read whole is marked with the value it is read as, at the
  // places of the results.
  for (StringGrid* input : {Pole1, Pole2}) input->Model().MarkCellsNotReadWhole([this] { return Places(); });
  Panel3->Layout().Add(Pole2, Align::Client);
}

// The status line at the very bottom (the first bottom child is the
// lowest), the calculation area above it, with its splitter above that.
void TMain::BuildCalculationArea(AlignLayout& client) {
  StatusLine1 = Named(new StatusLine(this), "StatusLine1");
  client.Add(StatusLine1, Align::Bottom, StatusLine1->sizeHint().height());
  Panel4 = NewPanel(this, "Panel4", QStringLiteral("Panel4"));
  client.Add(Panel4, Align::Bottom, 177);
  Splitter4 = Named(new Splitter(this, Align::Bottom, Panel4), "Splitter4");
  client.Add(Panel1, Align::Client);
}

// The operation, the places sentence with DesM in it, "Presne" and the buttons.
void TMain::BuildCalculationBar() {
  GroupBox3 = NewGroupBox(Panel4, "GroupBox3", tr("Výpočet:"));
  Panel4->Layout().Add(GroupBox3, Align::Top, 40);
  ComboBox1 = Named(new QComboBox(GroupBox3), "ComboBox1");
  for (const OperationDescription* operation : Operations()) {
    ComboBox1->addItem(InLanguageInUse(operation->Slovak(), operation->English()));
  }
  ComboBox1->setCurrentIndex(-1);
  // 153 pixels wide, or as wide as its longest item needs in this font.
  ComboBox1->setGeometry(8, 13, std::max(153, ComboBox1->minimumSizeHint().width()), 21);
  // The spin edit stands over the run of 13 spaces, so that label and field
  // read as one sentence; the words after it agree with the number shown.
  Label21 = NewLabel(GroupBox3, "Label21", PlacesSentence(9), {ComboBox1->geometry().right() + 8, 16});
  const int widestLabel = Label21->width();
  const QFontMetrics metrics(Label21->font());
  const int spacesLeft = Label21->x() + metrics.horizontalAdvance(PlacesLead());
  const int spacesWidth = metrics.horizontalAdvance(kSpacesUnderDesM);
  DesM = NewSpinEdit(GroupBox3, "DesM", 2, 9, 3, 33, {spacesLeft + (spacesWidth - 33) / 2, 12});
  ShowPlacesSentence();
  // The exact mode and the buttons stand past the longer ending, so they
  // never move.
  const int afterLabel = Label21->x() + widestLabel;
  CheckBoxPresne = Named(new QCheckBox(tr("Presne"), GroupBox3), "CheckBoxPresne");
  CheckBoxPresne->setToolTip(tr("Počítať presne a zaokrúhliť iba výsledky"));
  CheckBoxPresne->adjustSize();
  CheckBoxPresne->move(afterLabel + 12, 14);
  const int afterExact = CheckBoxPresne->x() + CheckBoxPresne->width();
  ButtonHore = NewSpeedButton(GroupBox3, "ButtonHore", CopyUpIcon(), {30, 30}, {afterExact + 8, 7},
                              tr("Skopírovať inverznú maticu do matice 2"), kCopyUpKeys);
  SpeedButton2 = NewSpeedButton(GroupBox3, "SpeedButton2", AboutIcon(), {32, 30}, {afterExact + 44, 7},
                                tr("O programe"), kAboutKeys);
  BuildFormChoice(SpeedButton2->geometry().right() + 12);
}

// "Tvar výsledkov": rectangular, polar or fractions, the unit i or j, and
// significant digits in place of places, from `left` on.
void TMain::BuildFormChoice(int left) {
  LabelTvar = NewLabel(GroupBox3, "LabelTvar", tr("Tvar výsledkov:"), {left, 16});
  ComboBoxTvar = Named(new QComboBox(GroupBox3), "ComboBoxTvar");
  ComboBoxTvar->addItems({QStringLiteral("a+bi"), QStringLiteral("r∠φ°"), tr("zlomky")});
  ComboBoxTvar->setToolTip(tr("Tvar výsledkov; zlomky len pri presnom počítaní"));
  ComboBoxTvar->setGeometry(LabelTvar->geometry().right() + 6, 13, ComboBoxTvar->minimumSizeHint().width(), 21);
  ComboBoxJednotka = Named(new QComboBox(GroupBox3), "ComboBoxJednotka");
  ComboBoxJednotka->addItems({QStringLiteral("i"), QStringLiteral("j")});
  ComboBoxJednotka->setToolTip(tr("Imaginárna jednotka"));
  ComboBoxJednotka->setGeometry(ComboBoxTvar->geometry().right() + 6, 13, ComboBoxJednotka->minimumSizeHint().width(),
                                21);
  CheckBoxPlatne = Named(new QCheckBox(tr("platné číslice"), GroupBox3), "CheckBoxPlatne");
  CheckBoxPlatne->setToolTip(tr("Pri presnom počítaní zaokrúhliť na platné číslice namiesto desatinných miest"));
  CheckBoxPlatne->adjustSize();
  CheckBoxPlatne->move(ComboBoxJednotka->geometry().right() + 8, 14);
  // Significant digits count only exactly: the choice waits for "Presne".
  CheckBoxPlatne->setEnabled(CheckBoxPresne->isChecked());
  connect(CheckBoxPresne, &QCheckBox::toggled, CheckBoxPlatne, &QWidget::setEnabled);
}

// The inverse: 1 over the determinant, "*", the adjugate, "=", the inverse.
void TMain::BuildInverseView() {
  PanelInverzna = NewPanel(Panel4, "PanelInverzna", QStringLiteral("Panel3"));
  Panel4->Layout().Add(PanelInverzna, Align::Client);
  Panel8 = NewPanel(PanelInverzna, "Panel8", QStringLiteral("Panel7"), Bevel::None);
  PanelInverzna->Layout().Add(Panel8, Align::Right, 232);
  Splitter2 = Named(new Splitter(PanelInverzna, Align::Right, Panel8), "Splitter2");
  Panel10 = NewPanel(PanelInverzna, "Panel10", QStringLiteral(" "));
  Panel10->SetBold(true);
  PanelInverzna->Layout().Add(Panel10, Align::Right, 16);
  Label9 = Named(new QLabel(QStringLiteral("="), Panel10), "Label9");
  Label9->setAlignment(Qt::AlignCenter);
  Panel10->Layout().Add(Label9, Align::Client);
  Panel7 = NewPanel(PanelInverzna, "Panel7", QStringLiteral("Panel7"), Bevel::None);
  PanelInverzna->Layout().Add(Panel7, Align::Client);

  BuildInverseFraction();
  Pole3 = NewGrid(Panel7, "Pole3", false);
  Panel7->Layout().Add(Pole3, Align::Client);
  Pole4 = NewGrid(Panel8, "Pole4", false);
  Panel8->Layout().Add(Pole4, Align::Client);
}

// "1" over the determinant (Determinant3) and the "*" before the adjugate.
void TMain::BuildInverseFraction() {
  Panel11 = NewPanel(Panel7, "Panel11", QStringLiteral(" "));
  Panel7->Layout().Add(Panel11, Align::Left, 96);
  Label7 = Named(new QLabel(QStringLiteral("1"), Panel11), "Label7");
  Label7->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  Label7->setGeometry(8, 36, 65, 14);
  Bevel1 = Named(new QFrame(Panel11), "Bevel1");
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  Bevel1->setGeometry(8, 51, 65, 2);
  Determinant3 = Named(new ElidedLabel(QStringLiteral("Determinant3"), Panel11), "Determinant3");
  Determinant3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Determinant3->setGeometry(8, 55, 65, 14);
  Label8 = NewLabel(Panel11, "Label8", QStringLiteral("*"), {80, 45});
  QFont bold = Label8->font();
  bold.setBold(true);
  Label8->setFont(bold);
  Label8->adjustSize();
}

// The sum, difference, product or solution in Pole5.
void TMain::BuildResultView() {
  PanelVypocet = NewPanel(Panel4, "PanelVypocet", QStringLiteral("PanelVypocet"));
  Panel4->Layout().Add(PanelVypocet, Align::Client);
  LabelPopis = NewLabel(PanelVypocet, "LabelPopis", QStringLiteral(" "), {0, 0});
  LabelPopis->setIndent(4);
  PanelVypocet->Layout().Add(LabelPopis, Align::Top, LabelPopis->sizeHint().height() + 4);
  LabelPopis->hide();  // shown with a result that has a caption
  Pole5 = NewGrid(PanelVypocet, "Pole5", false);
  PanelVypocet->Layout().Add(Pole5, Align::Client);
}

AlignLayout& TMain::Layout() const { return *qobject_cast<AlignLayout*>(layout()); }

// The smallest window in which every control can still be reached and read:
// both size boxes, the whole calculation bar, and a few rows of each grid.
QSize TMain::MinimumUsableSize() const {
  const auto rightEdge = [](const QWidget* widget) { return widget->x() + widget->width(); };
  constexpr int kMargin = 8;
  const int upperWidth =
      Panel1->Layout().Extent(Panel2) + Panel1->Layout().Extent(Splitter1) + rightEdge(SpinEdit4) + kMargin;
  const int lowerWidth = rightEdge(SpeedButton2) + 2 * kMargin;
  constexpr int kGridRows = 4;  // the header and the three rows of a new matrix, above a scroll bar
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Pole1);
  const int gridHeight = kGridRows * Pole1->grid().DefaultRowHeight() + scrollBar + 2 * Pole1->frameWidth();
  const int upperHeight = Panel2->Layout().Extent(GroupBox1) + gridHeight + Panel2->Layout().Extent(Panel5);
  const int height = upperHeight + Layout().Extent(Splitter4) + Layout().Extent(Panel4) + Layout().Extent(StatusLine1);
  return {std::max(upperWidth, lowerWidth), height};
}

// What a screen reader says for each control the user works with.
void TMain::NameForScreenReaders() {
  const std::pair<QWidget*, QString> names[] = {
      {Pole1, tr("Matica 1")},
      {Pole2, tr("Matica 2")},
      {Pole3, tr("Adjungovaná matica")},
      {Pole4, tr("Inverzná matica")},
      {Pole5, tr("Výsledná matica")},
      {SpinEdit1, tr("Počet riadkov matice 1")},
      {SpinEdit2, tr("Počet stĺpcov matice 1")},
      {SpinEdit3, tr("Počet riadkov matice 2")},
      {SpinEdit4, tr("Počet stĺpcov matice 2")},
      {DesM, tr("Počet desatinných miest")},
      {ComboBox1, tr("Výpočet")},
      {Determinant1, tr("Determinant")},
      {Determinant11, tr("Prevrátená hodnota determinantu")},
      {Determinant3, tr("Determinant v menovateli")},
  };
  for (const auto& [widget, name] : names) {
    widget->setAccessibleName(name);
    // A spin edit's field is what takes the focus, so it carries the name too.
    if (auto* spinEdit = qobject_cast<SpinEdit*>(widget)) spinEdit->Editor()->setAccessibleName(name);
  }
  // The values are heard with their names ("Determinant: 26-5i").
  for (ElidedLabel* value : {Determinant1, Determinant11, Determinant3}) value->SpeakFullText(value->accessibleName());
}

void TMain::SetTabOrder() {
  QWidget* const order[] = {
      SpinEdit1, SpinEdit2, Pole1,          SpinEdit3,    SpinEdit4,        Pole2,          Pole3, Pole4,
      ComboBox1, DesM,      CheckBoxPresne, ComboBoxTvar, ComboBoxJednotka, CheckBoxPlatne, Pole5, Button};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

namespace {

// A handler of the user's input whose change is one step of the undo history.
std::function<void()> Recorded(InputHistory& history, std::function<void()> handler, int spinField = -1) {
  return [&history, handler = std::move(handler), spinField] { history.Record(handler, spinField); };
}

}  // namespace

void TMain::ConnectHandlers() {
  SpinEdit1->SetOnChange(Recorded(
      *history_, [this] { SpinEdit1Change(); }, 0));
  SpinEdit2->SetOnChange(Recorded(
      *history_, [this] { SpinEdit2Change(); }, 1));
  SpinEdit3->SetOnChange(Recorded(
      *history_, [this] { SpinEdit3Change(); }, 2));
  SpinEdit4->SetOnChange(Recorded(
      *history_, [this] { SpinEdit4Change(); }, 3));
  DesM->SetOnChange(Recorded(
      *history_, [this] { DesMChange(); }, 4));
  // A choice made by the user; setting the index by program runs nothing.
  connect(ComboBox1, &QComboBox::activated, this, Guarded(Recorded(*history_, [this] { ComboBox1Change(); })));
  connect(CheckBoxPresne, &QCheckBox::clicked, this, Guarded(Recorded(*history_, [this] { PresneClick(); })));
  for (QComboBox* form : {ComboBoxTvar, ComboBoxJednotka}) {
    connect(form, &QComboBox::activated, this, Guarded(Recorded(*history_, [this] { FormChange(); })));
  }
  connect(CheckBoxPlatne, &QCheckBox::clicked, this, Guarded(Recorded(*history_, [this] { FormChange(); })));
  for (StringGrid* input : {Pole1, Pole2}) {
    connect(input, &StringGrid::keyReleased, this, Guarded([this] { InputGridKeyUp(); }));
  }
  for (StringGrid* input : {Pole1, Pole2}) {
    connect(input, &StringGrid::pasteRequested, this,
            Guarded(Recorded(*history_, [this, input] { PasteIntoMatrix(input); })));
    connect(input, &StringGrid::deleteRequested, this,
            Guarded(Recorded(*history_, [this, input] { ClearSelectedCells(input); })));
  }
  connect(Pole1, &StringGrid::mouseReleased, this, Guarded([this] { Pole1MouseUp(); }));
  connect(Pole2, &StringGrid::mouseReleased, this, Guarded([this] { Pole2MouseUp(); }));
  connect(Pole3, &StringGrid::mouseReleased, this, Guarded([this] { Pole3MouseUp(); }));
  connect(Pole4, &StringGrid::mouseReleased, this, Guarded([this] { Pole4MouseUp(); }));
  connect(SpeedButton1, &QToolButton::clicked, this, Guarded(Recorded(*history_, [this] { SpeedButton1Click(); })));
  connect(ButtonHore, &QToolButton::clicked, this, Guarded(Recorded(*history_, [this] { ButtonHoreClick(); })));
  connect(SpeedButton2, &QToolButton::clicked, this, Guarded([this] { SpeedButton2Click(); }));
  connect(Button, &QPushButton::clicked, this, Guarded([this] { ButtonClick(); }));
  connect(Label14, &ClickableLabel::clicked, this, Guarded([this] { Label14Click(); }));
  connect(Label15, &ClickableLabel::clicked, this, Guarded([this] { Label15Click(); }));
  connect(Timer1, &QTimer::timeout, this, Guarded([this] { Timer1Timer(); }));
}

}  // namespace zorvel
