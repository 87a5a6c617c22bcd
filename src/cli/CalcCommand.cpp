#include "CalcCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileDevice>
#include <QIODevice>
#include <QTextStream>

#include <optional>

#include <poll.h>
#include <variant>

#include "CalcOperations.h"
#include "CalcTexts.h"
#include "CalcWarnings.h"
#include "FloatError.h"
#include "MatrixFile.h"
#include "MatrixMarkup.h"
#include "MatrixRows.h"
#include "StepsOutput.h"

namespace zorvel {
namespace {

constexpr char kProgram[] = "zorvel-calc";

QString HelpText() {
  return Tr("Použitie: zorvel-calc OPERÁCIA [--places N] [--exact] [--point] [--csv | --latex | --markdown]\n"
            "                   [--strict] [--lang sk|en] [--sheet N] [--steps [--depth N] [--cell RIADOK,STĹPEC]]\n"
            "                   A [B]\n"
            "Počíta s maticami komplexných čísel presne tak ako okno programu Zorvel:\n"
            "každý medzivýsledok je zaokrúhlený na zvolený počet desatinných miest,\n"
            "alebo s voľbou --exact presne, so zaokrúhlenými iba výsledkami.\n"
            "Výsledok vypíše na štandardný výstup, bunky oddelené tabulátormi.\n"
            "\n"
            "Operácie:\n"
            "  det          determinant matice A\n"
            "  reciprocal   1/determinant matice A\n"
            "  adjugate     adjungovaná matica k matici A\n"
            "  inverse      inverzná matica k matici A\n"
            "  sum          súčet matíc A + B\n"
            "  difference   rozdiel matíc A - B\n"
            "  product      súčin matíc A × B\n"
            "  solve        riešenie sústavy A · X = B (každej: bez riešenia skončí\n"
            "               s kódom 1 a hodnosťami, inak vypíše partikulárne riešenie\n"
            "               a bázu riešení A · x = 0 so stĺpcami pomenovanými v prvom riadku)\n"
            "  rank         hodnosť matice A\n"
            "  rref         redukovaný stupňovitý tvar matice A, alebo [A | B] s maticou B\n"
            "  transpose    transponovaná matica A\n"
            "  conjugate-transpose\n"
            "               hermitovsky združená matica A\n"
            "\n"
            "A a B sú súbory s maticou v UTF-8, jeden riadok matice na riadok: .tsv\n"
            "s bunkami oddelenými tabulátormi, .csv s bunkami oddelenými „;“, „,“\n"
            "alebo tabulátormi (podľa textu súboru), iné s tabulátormi, ako CSV, alebo\n"
            "čísla oddelené medzerami (ako ich píšu numerické programy), alebo tabuľka\n"
            ".ods či .xlsx (jej prvý hárok);\n"
            "- číta štandardný vstup rovnako.\n"
            "Najviac 20 riadkov a 10 stĺpcov. Súbory môžu byť aj v UTF-16 alebo\n"
            "Windows-1250, ako ich píšu tabuľkové procesory.\n"
            "Čísla s desatinnou čiarkou alebo bodkou: 2,5  -i  3-0,25i  1.5+2i\n"
            "\n"
            "Voľby:\n"
            "  --places N   počet desatinných miest, 2 až 9 (predvolene 3)\n"
            "  --exact      počíta presne a zaokrúhli iba výsledky\n"
            "  --point      vypíše čísla s desatinnou bodkou namiesto čiarky\n"
            "  --latex      vypíše výsledok pre LaTeX (matica ako pmatrix)\n"
            "  --markdown   vypíše výsledok ako tabuľku v Markdowne\n"
            "  --csv        vypíše riadky s bunkami oddelenými „;“ namiesto tabulátorov\n"
            "  --strict     bunku, ktorá sa neprečíta celá, neprejde s varovaním, ale\n"
            "               skončí s kódom 1 bez výsledku\n"
            "  --lang JAZYK sk (slovenčina) alebo en (angličtina); predvolene jazyk\n"
            "               používateľa\n"
            "  --sheet N    z tabuľky .ods alebo .xlsx číta hárok N (počítané od 1)\n"
            "  --steps      vypíše postup výpočtu determinantu, jeho prevrátenej\n"
            "               hodnoty alebo bunky výsledku (--cell), riadok po riadku\n"
            "  --depth N    koľko úrovní postupu vypísať (predvolene 1)\n"
            "  --cell R,S   bunka výsledku v riadku R a stĺpci S, počítané od 1\n"
            "  -h, --help   vypíše túto pomoc a skončí\n"
            "  --version    vypíše verziu a skončí\n"
            "\n"
            "Návratový kód: 0 výsledok vypísaný, 1 výpočet sa nedá vykonať\n"
            "(alebo s --strict bunka neprečítaná celá),\n"
            "2 chybný príkaz alebo súbor, ktorý sa nedá prečítať.\n") +
         Tr("\n"
            "Čísla aj tak, ako ich píšu inžinieri a študenti: 1/3  (3-2i)/(1+i)  230∠30°  230<30\n"
            "1∠0,5rad  1500+200j  -j  4,7k  2,2µ  10m  1M  1 234,5\n"
            "\n"
            "Tvar výsledkov:\n"
            "  --form F     rect (a+bi, predvolene), polar (r∠φ°) alebo fraction\n"
            "               (zlomky, len s --exact)\n"
            "  --unit U     imaginárna jednotka i (predvolene) alebo j (pred číslom: 3+j4)\n"
            "  --significant N  s --exact N platných číslic (2 až 9) namiesto miest\n") +
         Tr("\n"
            "Postup determinantu a inverznej matice (s --steps):\n"
            "  --method P   first-column (rozvoj podľa 1. stĺpca, predvolene), row:N alebo\n"
            "               column:N (rozvoj podľa N. riadku či stĺpca) alebo elimination\n"
            "               (elimináciou: trojuholníkový tvar, inverzná z [A | E])\n");
}

// How the result is written: tab- or ";"-separated rows, LaTeX or Markdown.
enum class ResultForm { Tabs, Csv, Latex, Markdown };

// What one run has to do, once the command line is understood.
struct CalcRequest {
  CalcOperation operation;
  int places = 3;
  CalculationMode mode = CalculationMode::Hand;
  bool point = false;
  ResultForm form = ResultForm::Tabs;
  ShownForm shown;
  bool strict = false;  // a cell not read whole refuses the run
  StepsRequest steps;
  QStringList files;
  int sheet = 0;  // of a spreadsheet's own file, from 0
  bool sheetChosen = false;
};

// A run that ends early: its status and what it prints.
struct EarlyEnd {
  int status;
  QString out;
  QString err;
};

EarlyEnd Trouble(const QString& message) {
  return {kCalcTrouble,
          {},
          QStringLiteral("%1: %2\n").arg(QLatin1String(kProgram), message) +
              Tr("Viac sa dozviete príkazom „zorvel-calc --help“.\n")};
}

// A calculation that cannot be done, and why.
EarlyEnd Refusal(const QString& message) { return {kCalcRefused, {}, Said(message) + u'\n'}; }

// Why the operation cannot take `files` matrices, if it cannot.
std::optional<EarlyEnd> OperandsTrouble(const QString& word, CalcOperation operation, qsizetype files) {
  const int operands = OperandCount(operation);
  if (files == operands || (TakesMatrixBeside(operation) && files == 2)) return std::nullopt;
  return Trouble(operands == 1 ? Tr("operácia %1 potrebuje jeden súbor s maticou").arg(word)
                               : Tr("operácia %1 potrebuje dva súbory s maticami").arg(word));
}

// --places N (2 to 9) and --sheet N (the sheet of a spreadsheet's own file,
// counted from 1), where given; what is wrong with them, or nothing.
QString ReadNumberOptions(const QCommandLineParser& parser, const QCommandLineOption& places,
                          const QCommandLineOption& sheet, CalcRequest& request) {
  bool number = false;
  if (parser.isSet(places)) {
    request.places = parser.value(places).toInt(&number);
    if (!number || request.places < 2 || request.places > 9) {
      return Tr("počet desatinných miest musí byť od 2 do 9, nie „%1“").arg(parser.value(places));
    }
  }
  if (parser.isSet(sheet)) {
    request.sheet = parser.value(sheet).toInt(&number) - 1;
    if (!number || request.sheet < 0) {
      return Tr("číslo hárku musí byť celé číslo od 1, nie „%1“").arg(parser.value(sheet));
    }
    request.sheetChosen = true;
  }
  return {};
}

// The form of results: --form, --unit and --significant (exact mode only,
// in place of --places); empty, or why they cannot be.
QString ReadFormOptions(const QString& form, const QString& unit, const QString& significant, CalcRequest& request) {
  const bool exact = request.mode == CalculationMode::Exact;
  if (form == QLatin1String("polar")) {
    request.shown.form = NumberForm::Polar;
  } else if (form == QLatin1String("fraction")) {
    if (!exact) return Tr("zlomky (--form fraction) sa dajú len s voľbou --exact");
    request.shown.form = NumberForm::Fraction;
  } else if (!form.isEmpty() && form != QLatin1String("rect")) {
    return Tr("tvar výsledkov musí byť rect, polar alebo fraction, nie „%1“").arg(form);
  }
  if (unit == QLatin1String("j")) {
    request.shown.unit = ImaginaryUnit::J;
  } else if (!unit.isEmpty() && unit != QLatin1String("i")) {
    return Tr("imaginárna jednotka musí byť i alebo j, nie „%1“").arg(unit);
  }
  if (significant.isEmpty()) return {};
  if (!exact) return Tr("platné číslice (--significant) sa dajú len s voľbou --exact");
  bool number = false;
  const int digits = significant.toInt(&number);
  if (!number || digits < 2 || digits > 9) {
    return Tr("počet platných číslic musí byť od 2 do 9, nie „%1“").arg(significant);
  }
  request.places = digits;
  request.shown.significant = true;
  return {};
}

// Understands the command line, or says how the run ends.
std::variant<CalcRequest, EarlyEnd> ParseArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringLiteral("version"));
  const QCommandLineOption places(QStringLiteral("places"), QString(), QStringLiteral("N"));
  const QCommandLineOption point(QStringLiteral("point"));
  const QCommandLineOption exact(QStringLiteral("exact"));
  const QCommandLineOption csv(QStringLiteral("csv"));
  const QCommandLineOption latex(QStringLiteral("latex"));
  const QCommandLineOption markdown(QStringLiteral("markdown"));
  const QCommandLineOption strict(QStringLiteral("strict"));
  const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("sk|en"));  // UseCalcLanguage
  const QCommandLineOption steps(QStringLiteral("steps"));
  const QCommandLineOption depth(QStringLiteral("depth"), QString(), QStringLiteral("N"));
  const QCommandLineOption cell(QStringLiteral("cell"), QString(), QStringLiteral("ROW,COL"));
  const QCommandLineOption form(QStringLiteral("form"), QString(), QStringLiteral("rect|polar|fraction"));
  const QCommandLineOption unit(QStringLiteral("unit"), QString(), QStringLiteral("i|j"));
  const QCommandLineOption significant(QStringLiteral("significant"), QString(), QStringLiteral("N"));
  const QCommandLineOption sheet(QStringLiteral("sheet"), QString(), QStringLiteral("N"));
  const QCommandLineOption method(QStringLiteral("method"), QString(), QStringLiteral("METHOD"));
  parser.addOptions({help, version, places, point, exact, csv, latex, markdown, strict, lang, steps, depth, cell, form,
                     unit, significant, sheet, method});
  if (!parser.parse(QStringList{QLatin1String(kProgram)} + arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) return Trouble(parser.errorText());
    const QString dashes = unknown.front().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
    return Trouble(Tr("neznáma voľba „%1“").arg(dashes + unknown.front()));
  }
  if (parser.isSet(lang) && parser.value(lang) != QLatin1String("sk") && parser.value(lang) != QLatin1String("en")) {
    return Trouble(Tr("jazyk musí byť sk alebo en, nie „%1“").arg(parser.value(lang)));
  }
  if (parser.isSet(help)) return EarlyEnd{kCalcDone, HelpText(), {}};
  if (parser.isSet(version)) {
    return EarlyEnd{
        kCalcDone, QStringLiteral("%1 (Zorvel) %2\n").arg(QLatin1String(kProgram), QStringLiteral(ZORVEL_VERSION)), {}};
  }

  CalcRequest request;
  QStringList positional = parser.positionalArguments();
  if (positional.isEmpty()) return Trouble(Tr("chýba operácia"));
  const QString word = positional.takeFirst();
  const std::optional<CalcOperation> operation = CalcOperationNamed(word);
  if (!operation) return Trouble(Tr("neznáma operácia „%1“").arg(word));
  request.operation = *operation;
  if (const auto trouble = OperandsTrouble(word, *operation, positional.size())) return *trouble;
  if (positional.count(QStringLiteral("-")) > 1) return Trouble(Tr("štandardný vstup sa dá prečítať len raz"));
  request.files = positional;
  const QString numbersTrouble = ReadNumberOptions(parser, places, sheet, request);
  if (!numbersTrouble.isEmpty()) return Trouble(numbersTrouble);
  request.point = parser.isSet(point);
  request.strict = parser.isSet(strict);
  if (parser.isSet(exact)) request.mode = CalculationMode::Exact;
  if (int(parser.isSet(csv)) + int(parser.isSet(latex)) + int(parser.isSet(markdown)) > 1) {
    return Trouble(Tr("--csv, --latex a --markdown sa nedajú spojiť"));
  }
  if (parser.isSet(csv)) request.form = ResultForm::Csv;
  if (parser.isSet(latex)) request.form = ResultForm::Latex;
  if (parser.isSet(markdown)) request.form = ResultForm::Markdown;
  if (parser.isSet(steps) && request.form != ResultForm::Tabs) {
    return Trouble(Tr("postup výpočtu (--steps) sa vypisuje len ako text, nie s --csv, --latex ani --markdown"));
  }
  const QString formTrouble =
      ReadFormOptions(parser.value(form), parser.value(unit),
                      parser.isSet(significant) ? parser.value(significant) : QString(), request);
  if (!formTrouble.isEmpty()) return Trouble(formTrouble);
  const QString stepsTrouble =
      ReadStepsOptions(parser.isSet(steps), parser.value(depth), parser.value(cell), request.operation, request.steps,
                       parser.isSet(method) ? parser.value(method) : QString());
  if (!stepsTrouble.isEmpty()) return Trouble(stepsTrouble);
  return request;
}

// Cuts texts longer than a cell holds, as the window does, and warns of
// every change the reading made to the matrix, as the window says of them.
void CutAndWarnOfChanges(QList<QStringList>& rows, bool breaksReplaced, const QString& source, QTextStream& err) {
  const QString program = QLatin1String(kProgram);
  if (breaksReplaced) {
    err << Tr("%1: tabulátory a zalomenia riadkov v bunkách %2 boli nahradené medzerami\n").arg(program, source);
  }
  if (CutLongCells(rows)) {
    err << Tr("%1: niektoré bunky %2 mali viac ako 32 767 znakov; ich text bol skrátený\n").arg(program, source);
  }
  const int cols = MatrixSizeOf(rows).cols;
  QStringList shortRows;
  for (qsizetype r = 0; r < rows.size(); ++r) {
    if (rows[r].size() < cols) shortRows << QString::number(r + 1);
  }
  if (!shortRows.isEmpty()) {
    err << Tr("%1: riadky %2 kratšie ako najdlhší riadok: %3; chýbajúce bunky sa čítajú ako 0\n")
               .arg(program, source, shortRows.join(QStringLiteral(", ")));
  }
}

// A file as messages that name it first write it: standard input in words.
QString ShownSource(const QString& file) { return file == QLatin1String("-") ? Tr("štandardný vstup") : file; }

// Reads one matrix, or says why the run ends; warnings go to `err`.
std::variant<QList<QStringList>, EarlyEnd> LoadMatrix(const QString& file, const CalcRequest& request,
                                                      QIODevice& standardInput, QTextStream& err) {
  MatrixFileContents contents;
  if (file == QLatin1String("-")) {
    contents = ReadMatrixDevice(standardInput, std::nullopt, request.sheet);
    if (!contents.error.isEmpty()) contents.error = Tr("Štandardný vstup sa nedá prečítať: %1.").arg(contents.error);
  } else {
    contents = ReadMatrixFile(file, request.sheet);
  }
  if (!contents.error.isEmpty()) {
    return EarlyEnd{kCalcTrouble, {}, QStringLiteral("%1: %2\n").arg(QLatin1String(kProgram), contents.error)};
  }
  const QString source = file == QLatin1String("-") ? Tr("na štandardnom vstupe") : Tr("v súbore „%1“").arg(file);
  const MatrixSize size = MatrixSizeOf(contents.rows);
  if (size.rows == 0 || size.cols == 0) return Refusal(Tr("Matica %1 je prázdna.").arg(source));
  if (size.rows > kMaxRows || size.cols > kMaxCols) {
    return Refusal(Tr("Matica %1 má %2 × %3 buniek (riadkov × stĺpcov); najviac sa dá 20 × 10.")
                       .arg(source)
                       .arg(size.rows)
                       .arg(size.cols));
  }
  if (contents.sheets.size() > 1 && !request.sheetChosen) {
    err << Tr("%1: %2 má %3 hárky; číta sa prvý, „%4“ (iný vyberie --sheet N)\n")
               .arg(QLatin1String(kProgram), ShownSource(file), QString::number(contents.sheets.size()),
                    contents.sheets.front());
  }
  const QString separation = SeparationWords(contents.separation);
  if (!separation.isEmpty()) {
    err << Tr("%1: bunky %2 sú oddelené %3\n").arg(QLatin1String(kProgram), source, separation);
  }
  if (contents.headerLeftOut) {
    err << Said(Tr("%1: prvý riadok vyzerá ako hlavička, vynechal som ho\n").arg(ShownSource(file)));
  }
  CutAndWarnOfChanges(contents.rows, contents.breaksReplaced, source, err);
  return std::move(contents.rows);
}

// Reads the matrices; true when every cell is read whole. Each cell that is
// not is warned of.
bool ReadWhole(const QStringList& files, const QList<QList<QStringList>>& matrices, int places, QTextStream& err) {
  bool whole = true;
  for (qsizetype i = 0; i < files.size(); ++i) {
    for (const QString& warning : CellsNotReadWhole(matrices[i], ShownSource(files[i]), places)) {
      err << warning << u'\n';
      whole = false;
    }
  }
  return whole;
}

// Whether the output is a pipe whose reader has closed it: writing to it
// fails (the program takes no SIGPIPE), and poll tells it apart from a full
// disk.
bool ReaderGone(int descriptor) {
  if (descriptor < 0) return false;
  pollfd output{descriptor, POLLOUT, 0};
  return ::poll(&output, 1, 0) == 1 && (output.revents & POLLERR) != 0;
}

// A result that does not reach its reader (a full disk, /dev/full) is no
// result: says so and gives true.
bool OutputLost(QTextStream& out, QTextStream& err) {
  out.flush();
  if (out.status() == QTextStream::Ok) return false;
  const auto* file = qobject_cast<const QFileDevice*>(out.device());
  if (file != nullptr && ReaderGone(file->handle())) return true;  // | head has read what it wanted: no word
  const QString reason = file != nullptr ? WriteFailure(*file) : QString();
  err << Tr("%1: na štandardný výstup sa nedá zapísať: %2\n").arg(QLatin1String(kProgram), reason);
  return true;
}

// The result as the chosen form writes it; a determinant is one value, not
// a matrix.
QString ResultText(const QList<QStringList>& rows, ResultForm form, CalcOperation operation) {
  const bool value = operation.OneValue();
  switch (form) {
    case ResultForm::Latex: return value ? ToLatexValue(rows.front().front()) + u'\n' : ToLatexMatrix(rows);
    case ResultForm::Markdown: return value ? rows.front().front() + u'\n' : ToMarkdownTable(rows);
    case ResultForm::Csv: return MatrixText(rows, MatrixFormat::Csv);
    case ResultForm::Tabs: break;
  }
  return MatrixText(rows, MatrixFormat::Tsv);
}

// The rows of A with those of B after them, each row of A filled to A's
// width with empty cells (which read as 0).
QList<QStringList> SideBySide(const QList<QStringList>& a, const QList<QStringList>& b) {
  const int cols = MatrixSizeOf(a).cols;
  QList<QStringList> rows;
  for (qsizetype r = 0; r < a.size(); ++r) {
    QStringList row = a[r];
    while (row.size() < cols) row << QString();
    rows << row + b[r];
  }
  return rows;
}

// The line that names a result's columns (x₀, v₁, ...) in the rows'
// forms; empty when they are numbered.
QString HeaderLine(const QStringList& header, ResultForm form) {
  if (header.isEmpty() || (form != ResultForm::Tabs && form != ResultForm::Csv)) return {};
  return header.join(form == ResultForm::Csv ? u';' : u'\t') + u'\n';
}

// Makes the first of two matrices [A | B]; false when their rows differ.
bool PutSideBySide(QList<QList<QStringList>>& matrices) {
  if (matrices[0].size() != matrices[1].size()) return false;
  matrices[0] = SideBySide(matrices[0], matrices[1]);
  matrices.removeLast();
  return true;
}

// The error report of the window: the error's text with a full stop.
QString FloatErrorText(const FloatError& error) { return QString::fromLatin1(error.what()) + u'.'; }

}  // namespace

int RunCalc(const QStringList& arguments, QIODevice& standardInput, QTextStream& out, QTextStream& err) {
  const auto finish = [&out, &err](const EarlyEnd& end) {
    out << end.out;
    err << end.err;
    return OutputLost(out, err) ? kCalcTrouble : end.status;
  };
  auto parsed = ParseArguments(arguments);
  if (const auto* end = std::get_if<EarlyEnd>(&parsed)) return finish(*end);
  const CalcRequest& request = std::get<CalcRequest>(parsed);

  QList<QList<QStringList>> matrices;
  for (const QString& file : request.files) {
    auto loaded = LoadMatrix(file, request, standardInput, err);
    if (const auto* end = std::get_if<EarlyEnd>(&loaded)) return finish(*end);
    matrices << std::get<QList<QStringList>>(std::move(loaded));
  }
  if (!ReadWhole(request.files, matrices, request.places, err) && request.strict) {
    return finish(Refusal(Tr("s voľbou --strict sa bunky, ktoré sa neprečítajú celé, nepočítajú")));
  }
  if (matrices.size() == 2 && OperandCount(request.operation) == 1) {  // [A | B]
    if (!PutSideBySide(matrices)) return finish(Refusal(Tr("Matice A a B musia mať rovnaký počet riadkov.")));
  }
  matrices.resize(2);

  CalcResult result;
  try {
    result = Calculate(request.operation, matrices[0], matrices[1], request.places, request.mode, request.shown);
  } catch (const FloatError& error) {
    return finish(Refusal(FloatErrorText(error)));
  }
  if (!result.refusal.isEmpty()) return finish(Refusal(result.refusal));

  if (request.steps.wanted) {
    switch (WriteSteps(request.steps, request.operation, matrices[0], matrices[1], request.places, request.mode,
                       request.point, out, err, request.shown)) {
      case StepsEnd::Written: return finish({kCalcDone, {}, {}});
      case StepsEnd::NotInResult:
        return finish(
            Trouble(Tr("bunka %1,%2 nie je vo výsledku").arg(request.steps.typedRow, request.steps.typedCol)));
      case StepsEnd::NoSuchLine:
        return finish(Trouble(MethodLineTrouble(request.steps, static_cast<int>(matrices[0].size()))));
      case StepsEnd::NoWholeSystem:
        return finish(
            Trouble(Tr("postup celej sústavy sa dá ukázať len pre Cramerovo pravidlo (štvorcová sústava s nenulovým "
                       "determinantom, bez --exact); postup jednej bunky ukáže --cell RIADOK,STĹPEC")));
      case StepsEnd::OutputFailed: return OutputLost(out, err) ? kCalcTrouble : kCalcDone;
    }
  }
  const QString tooLarge = TooLargeInResult(result.rows, request.mode);
  if (!tooLarge.isEmpty()) err << tooLarge << u'\n';
  ShowValues(result.rows);
  // Every comma is a decimal comma: no cell text of a result holds another.
  if (request.point) {
    for (QStringList& cells : result.rows) cells.replaceInStrings(QStringLiteral(","), QStringLiteral("."));
  }
  return finish({kCalcDone,
                 HeaderLine(result.header, request.form) + ResultText(result.rows, request.form, request.operation),
                 {}});
}

}  // namespace zorvel
