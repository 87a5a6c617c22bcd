#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

#include "CalculationKinds.h"
#include "CramerMinors.h"
#include "Determinant.h"
#include "HandGrids.h"
#include "KeptCalculation.h"
#include "MatrixCalculation.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;

namespace zorvel {

class AlignLayout;
class BackgroundCalculation;
class KeptCalculation;
class CalculationExport;
class ClickableLabel;
class ColumnFit;
class ElidedLabel;
class InputHistory;
class MatrixFileActions;
class MatrixCalculation;
class MessageBoxDisplay;
class MessageDisplay;
class Panel;
class ResultHeight;
class SpinEdit;
class Splitter;
class StatusLine;
class StepsPanel;
class StringGrid;

// The main window: two input matrices side by side, the determinant strip
// under matrix 1, the operation, the decimal places and the results below,
// and the about panel. Every input event ends in Vypocty, which recomputes
// everything shown from the grids. Split by concern over TMainLayout.cpp
// (the component tree), TMainCalculations.cpp, TMainHandlers.cpp and
// TMainAbout.cpp. The undo history (InputHistory), the matrices in files
// (MatrixFileActions), the saved calculation (CalculationExport), the steps
// (StepsPanel), the columns fitted to their texts (ColumnFit), the results'
// height (ResultHeight) and the status line live beside it.
//
// The program's names, and what each is on screen:
//   Pole1, Pole2          the input grids "Matica 1" and "Matica 2"
//   SpinEdit1..4          rows and columns of matrix 1, then of matrix 2
//   GroupBox1, GroupBox2  the size boxes above the input grids
//   Label22, Label23      "i² = -1" (the 2 is its own raised label)
//   SpeedButton1          the swap of the two matrices
//   Panel5                the determinant strip under matrix 1:
//     Label5, Determinant1    "Determinant:" and its value
//     Label6, Determinant11   "1/determ.:" and the reciprocal
//   Panel4                the calculation area; its caption is the message
//                         shown when no result can be
//   GroupBox3             the bar "Výpočet:": ComboBox1 (the operation),
//                         Label21 with DesM in it ("Zaokrúhľovať na _
//                         desatinných miest"), CheckBoxPresne, ButtonHore
//                         (the inverse copied into matrix 2), SpeedButton2
//                         (the about panel)
//   PanelInverzna         the inverse: Panel11 (Label7 "1" over Bevel1 over
//                         Determinant3, then Label8 "*"), Pole3 (the
//                         adjugate), Panel10 (Label9 "="), Pole4 (the inverse)
//   PanelVypocet, Pole5   the sum, difference, product or solution
//   Panel6                the about panel (Image1, Label10..Label20, Button)
//   Splitter1, 2, 4       between the matrices, adjugate and inverse, and
//                         the matrices and the calculation area
//   Timer1                the about panel's clock
//   Vypocty               the recalculation; Vypocet1 the strip, Vypocet2
//                         the inverse, Vypocet3 sum and difference, Vypocet4
//                         the product, Vypocet5 the solution
//   <Name><Event>         the handler of that event (SpinEdit1Change,
//                         Pole3MouseUp, ButtonHoreClick, ...)
class TMain : public QWidget {
  Q_OBJECT

 public:
  explicit TMain(QWidget* parent = nullptr);
  ~TMain() override;

  // Calculations.
  void Vypocty();
  void Vypocet1();
  void Vypocet2();
  void Vypocet3();
  void Vypocet4();
  void Vypocet5();  // the solution of matrix 1 . X = matrix 2

  // Handlers of the input.
  void SpinEdit1Change();
  void SpinEdit2Change();
  void SpinEdit3Change();
  void SpinEdit4Change();
  void FormCreate();
  // A key released in either input grid: the program knows this handler as
  // Pole1KeyUp, and it serves Pole2 as well.
  void InputGridKeyUp();
  void Pole1KeyUp() { InputGridKeyUp(); }
  void ComboBox1Change();
  void SpeedButton1Click();
  void ButtonHoreClick();
  void SpeedButton2Click();
  void ButtonClick();
  void Label14Click();
  void Label15Click();
  void DesMChange();
  void Pole3MouseUp();
  void Pole4MouseUp();
  void Pole1MouseUp();
  void Pole2MouseUp();
  void Timer1Timer();
  void PresneClick();  // the exact mode turned on or off
  void FormChange();   // the form of results, its unit or its digits changed

  // The clipboard and Delete in an input grid: paste a tab-separated block
  // from the current cell on, growing the matrix as far as its limits, or
  // clear the selected cells; one recalculation each.
  void PasteIntoMatrix(StringGrid* pole);
  void ClearSelectedCells(StringGrid* pole);

  // How many times Vypocty has run since the window was made: what the user
  // pays per event, which tests check.
  [[nodiscard]] int RecalculationCount() const { return recalculationCount_; }
  // How many of them found an input that had changed and worked it out: a
  // key that changes nothing costs nothing.
  [[nodiscard]] int WorkedRecalculationCount() const { return workedCount_; }
  // Exact results are being worked out in the background; the places of the
  // results say "Počítam…".
  [[nodiscard]] bool Working() const;
  // The exact results now shown, for the steps to take their values from;
  // nothing by hand and while the results are being worked out.
  [[nodiscard]] KeptCalculation* ShownExactResults() const;
  // The next Vypocty recalculates even if no input has changed: for a
  // handler that has written over what the results show.
  void ForgetShownInput();

  [[nodiscard]] InputHistory& History() const { return *history_; }
  [[nodiscard]] CalculationExport& Export() const { return *export_; }
  // Opens and saves the input matrices as files.
  [[nodiscard]] MatrixFileActions& Files() const { return *files_; }
  // "Postup výpočtu", the steps of the value the user points at.
  [[nodiscard]] StepsPanel& Steps() const { return *steps_; }
  // The columns and borders placed by what the texts need.
  [[nodiscard]] ColumnFit& Columns() const { return *columnFit_; }

  // Pieces of the handlers, for putting back a state the handlers made: a
  // matrix's size in its grid (count and header numbers, as the size
  // handlers set them), the result panel of the chosen operation (as
  // ComboBox1Change shows it), and Label21 with the ending that agrees with
  // the places in DesM.
  static void ShowSize(StringGrid* pole, bool rows, int value);
  void ShowOperationPanels();
  void ShowPlacesSentence();

  // What the user sets, as undo, the session, the files and the panels read
  // it: each matrix's grid with its size fields, the operation, the places
  // and the mode.
  struct MatrixInput {
    StringGrid* pole;
    SpinEdit* rows;
    SpinEdit* cols;
    [[nodiscard]] MatrixSize Size() const;
  };
  struct InputControls {
    std::array<MatrixInput, 2> matrices;
    QComboBox* operation;
    SpinEdit* places;
    QCheckBox* exact;
    QComboBox* form;
    QComboBox* unit;
    QCheckBox* significant;
    // The matrix whose grid is `pole` (Pole1 or Pole2).
    [[nodiscard]] const MatrixInput& Of(const StringGrid* pole) const;
  };
  [[nodiscard]] InputControls Inputs() const;
  // What a recalculation works on, read from the controls now.
  [[nodiscard]] CalculationInput CalculationInputs() const;
  // Every grid, the inputs first: Pole1 to Pole5.
  [[nodiscard]] std::array<StringGrid*, 5> Grids() const;

  // The operation chosen in ComboBox1, if any, and the mode of CheckBoxPresne.
  [[nodiscard]] std::optional<Operation> ChosenOperation() const;
  [[nodiscard]] CalculationMode Mode() const;
  // The form of results chosen in ComboBoxTvar, ComboBoxJednotka and
  // CheckBoxPlatne (significant digits only in the exact mode).
  [[nodiscard]] ShownForm ChosenForm() const;

 signals:
  // After every run of Vypocty, a failed one too: what it shows is final.
  void recalculated();

 private:
  void BuildLayout();
  void BuildMatrixPanels();
  void BuildMatrix1Block();
  void BuildDeterminantStrip();
  void BuildMatrix2Block();
  void BuildCalculationArea(AlignLayout& client);
  void BuildCalculationBar();
  void BuildFormChoice(int left);
  void BuildInverseView();
  void BuildInverseFraction();
  void BuildResultView();
  void BuildAboutPanel();
  [[nodiscard]] QSize MinimumUsableSize() const;
  [[nodiscard]] AlignLayout& Layout() const;
  void NameForScreenReaders();
  void SetTabOrder();
  void ConnectHandlers();
  void SizeChanged(SpinEdit* spinEdit, StringGrid* pole, bool rows);
  void FollowColumnWidths(StringGrid* pole, StringGrid* partner);
  [[nodiscard]] int Places() const;
  void ShowFailedRecalculation(const QString& error);
  void ShowResults(MatrixCalculation& calculation);
  void ShowWorking();
  void BackgroundFinished(const std::shared_ptr<KeptCalculation>& kept, const QByteArray& error);
  void ShowResultOf(Operation operation);

 public:
  // The components, named as the program knows them (each is also the Qt
  // object's name).
  Panel* Panel1;
  Panel* Panel2;
  QGroupBox* GroupBox1;
  QLabel* Label1;
  SpinEdit* SpinEdit1;
  QLabel* Label2;
  SpinEdit* SpinEdit2;
  QLabel* Label22;
  QLabel* Label23;
  StringGrid* Pole1;
  Panel* Panel5;
  QLabel* Label5;
  ElidedLabel* Determinant1;
  QLabel* Label6;
  ElidedLabel* Determinant11;
  Splitter* Splitter1;
  Panel* Panel3;
  QGroupBox* GroupBox2;
  QToolButton* SpeedButton1;
  QLabel* Label3;
  SpinEdit* SpinEdit3;
  QLabel* Label4;
  SpinEdit* SpinEdit4;
  StringGrid* Pole2;
  Splitter* Splitter4;
  Panel* Panel4;
  QGroupBox* GroupBox3;
  QComboBox* ComboBox1;
  QLabel* Label21;
  SpinEdit* DesM;
  QCheckBox* CheckBoxPresne = nullptr;    // "Presne": compute exactly, round only the results
  QLabel* LabelTvar = nullptr;            // "Tvar výsledkov:"
  QComboBox* ComboBoxTvar = nullptr;      // a+bi, r∠φ°, zlomky
  QComboBox* ComboBoxJednotka = nullptr;  // i or j
  QCheckBox* CheckBoxPlatne = nullptr;    // significant digits in place of places (exact mode)
  QToolButton* ButtonHore;
  QToolButton* SpeedButton2;
  Panel* PanelInverzna;
  Panel* Panel7;
  Panel* Panel11;
  QLabel* Label7;
  QFrame* Bevel1;
  ElidedLabel* Determinant3;
  QLabel* Label8;
  StringGrid* Pole3;
  Panel* Panel10;
  QLabel* Label9;
  Splitter* Splitter2;
  Panel* Panel8;
  StringGrid* Pole4;
  Panel* PanelVypocet;
  StringGrid* Pole5;
  QLabel* LabelPopis;  // over Pole5: what the result says ("Hodnosť matice 1: 2")
  Panel* Panel6;
  QLabel* Image1;
  Panel* Panel9;
  QLabel* Label20;
  QLabel* Label10;
  QLabel* Label11;
  QLabel* Label13;
  ClickableLabel* Label14;
  QLabel* Label12;
  ClickableLabel* Label15;
  QLabel* Label16;
  QLabel* Label17;
  QLabel* Label18;
  QLabel* Label19;
  QPushButton* Button;
  QTimer* Timer1;
  StatusLine* StatusLine1;  // the current cell's whole text, at the bottom

 private:
  std::unique_ptr<MessageBoxDisplay> messageBox_;
  // Made once the components exist, and gone before them.
  std::unique_ptr<InputHistory> history_;
  std::unique_ptr<MatrixFileActions> files_;
  std::unique_ptr<CalculationExport> export_;
  std::unique_ptr<ColumnFit> columnFit_;
  std::unique_ptr<ResultHeight> resultHeight_;
  std::unique_ptr<StepsPanel> steps_;
  // Where the focus was when the about panel opened; it goes back there.
  QPointer<QWidget> focusBeforeAbout_;
  MessageDisplay* previousMessageDisplay_;
  // The determinants of matrix 1 and its minors, shared by the strip and the
  // inverse, and kept from one recalculation to the next.
  std::optional<MinorDeterminants> matrix1Minors_;
  // Matrix 1 and 2 as the hand arithmetic reads cells written in other forms.
  mutable HandReadingGrids handGrids_;
  // The determinants of Cramer's rule for the solution, kept the same way.
  CramerMinors cramerMinors_;
  // The running recalculation's results, worked out as they are asked for.
  MatrixCalculation* calculation_ = nullptr;
  int recalculationCount_ = 0;
  int workedCount_ = 0;
  // The input the results shown (or being worked out) belong to; exactly,
  // with its results.
  std::optional<CalculationStamp> shownStamp_;
  // Exactly, the input copied with its results.
  std::shared_ptr<KeptCalculation> shownInput_;
  std::unique_ptr<BackgroundCalculation> background_;
  // Which strip values the running recalculation has written: after an error
  // the others are old and are cleared.
  struct StripWritten {
    bool determinant = false;
    bool reciprocal = false;
  } stripWritten_;
};

}  // namespace zorvel
