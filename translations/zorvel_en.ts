<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CoreTexts</name>
    <message>
        <source>Sústava nemá riešenie: h(A) = %1, h(A|B) = %2.</source>
        <translation>The system has no solution: rank(A) = %1, rank(A|B) = %2.</translation>
    </message>
    <message>
        <source>Hodnosť matice %1: %2</source>
        <translation>Rank of matrix %1: %2</translation>
    </message>
    <message>
        <source>Determinant zo zadanej matice nie je možné vypočítať.</source>
        <translation>The determinant of this matrix cannot be computed.</translation>
    </message>
    <message>
        <source>Počet fixovaných buniek hore musí byť rovnaký ako vľavo!</source>
        <translation>There must be as many fixed cells at the top as on the left!</translation>
    </message>
    <message>
        <source>K matici 1 nexistuje inverzná matica, pretože nejde o štvorcovú maticu.</source>
        <translation>Matrix 1 has no inverse because it is not a square matrix.</translation>
    </message>
    <message>
        <source>K matici 1 nexistuje inverzná matica.</source>
        <translation>Matrix 1 has no inverse.</translation>
    </message>
    <message>
        <source>K matici 1 nexistuje inverzná matica, pretože determinant je rovný nule.</source>
        <translation>Matrix 1 has no inverse because its determinant is zero.</translation>
    </message>
    <message>
        <source>Sčítať a odčítať sa môžu len matice s rovnakým počtom stĺpcov a riadkov.</source>
        <translation>Only matrices with the same numbers of rows and columns can be added or subtracted.</translation>
    </message>
    <message>
        <source>Matice nie je možné násobiť.</source>
        <translation>The matrices cannot be multiplied.</translation>
    </message>
    <message>
        <source>Pre násobenie matíc musí mať prvá rovnaký počet stĺpcov ako druhá riadkov.</source>
        <translation>To multiply matrices, the first must have as many columns as the second has rows.</translation>
    </message>
    <message>
        <source>Sústavu nie je možné vyriešiť, pretože matica 1 nie je štvorcová.</source>
        <translation>The system cannot be solved because matrix 1 is not square.</translation>
    </message>
    <message>
        <source>Sústavu nie je možné vyriešiť, pretože matica 2 nemá toľko riadkov ako matica 1.</source>
        <translation>The system cannot be solved because matrix 2 does not have as many rows as matrix 1.</translation>
    </message>
    <message>
        <source>Sústava nemá jediné riešenie, pretože determinant matice 1 je rovný nule.</source>
        <translation>The system has no unique solution because the determinant of matrix 1 is zero.</translation>
    </message>
    <message>
        <source>delenie nulou</source>
        <translation>division by zero</translation>
    </message>
    <message>
        <source>neúplný polárny tvar</source>
        <translation>an incomplete polar form</translation>
    </message>
    <message>
        <source>neúplný zlomok</source>
        <translation>an incomplete fraction</translation>
    </message>
    <message>
        <source>i aj j v jednom čísle</source>
        <translation>both i and j in one number</translation>
    </message>
    <message>
        <source>má viac číslic, ako sa dá pri počítaní ako na papieri prečítať</source>
        <translation>it has more digits than computing by hand can read</translation>
    </message>
    <message>
        <source>Príliš veľké číslo</source>
        <translation>Number too large</translation>
    </message>
    <message>
        <source>Čísla nad 2147483647 sa pri počítaní ako na papieri nedajú zapísať; zaškrtnite Presne.</source>
        <translation>Numbers above 2147483647 cannot be written when computing by hand; tick Exact.</translation>
    </message>
    <message>
        <source>iným postupom</source>
        <translation>by another method</translation>
    </message>
    <message>
        <source>zobrazený výsledok</source>
        <translation>shown result</translation>
    </message>
    <message>
        <source>Číslo s viac ako 32 767 číslicami sa do bunky nezmestí.</source>
        <translation>A number of more than 32,767 digits does not fit in a cell.</translation>
    </message>
</context>
<context>
    <name>MatrixFile</name>
    <message>
        <source>nie je to text (obsahuje nulové bajty)</source>
        <translation>it is not text (it holds zero bytes)</translation>
    </message>
    <message>
        <source>Súbor „%1“ sa nedá prečítať: %2.</source>
        <translation>The file “%1” cannot be read: %2.</translation>
    </message>
    <message>
        <source>Súbor „%1“ sa nedá uložiť: %2.</source>
        <translation>The file “%1” cannot be saved: %2.</translation>
    </message>
    <message>
        <source>taký súbor neexistuje</source>
        <translation>there is no such file</translation>
    </message>
    <message>
        <source>je to priečinok</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>súbor sa nedá otvoriť (%1)</source>
        <translation>the file cannot be opened (%1)</translation>
    </message>
    <message>
        <source>chýba oprávnenie na čítanie</source>
        <translation>no permission to read it</translation>
    </message>
    <message>
        <source>priečinok „%1“ neexistuje</source>
        <translation>the folder “%1” does not exist</translation>
    </message>
    <message>
        <source>do priečinka sa nedá zapisovať (%1)</source>
        <translation>the folder cannot be written to (%1)</translation>
    </message>
    <message>
        <source>chýba oprávnenie na zápis do priečinka</source>
        <translation>no permission to write to the folder</translation>
    </message>
    <message>
        <source>zápis zlyhal (%1)</source>
        <translation>writing failed (%1)</translation>
    </message>
    <message>
        <source>úvodzovky otvorené na riadku %1 sa nikde nezatvárajú</source>
        <translation>the quote opened on line %1 is never closed</translation>
    </message>
    <message>
        <source>chýba oprávnenie na vstup do priečinka „%1“</source>
        <translation>no permission to enter the folder “%1”</translation>
    </message>
    <message>
        <source>jeho názov nie je platný text v kódovaní UTF-8</source>
        <translation>its name is not valid UTF-8 text</translation>
    </message>
    <message>
        <source>na disku nie je miesto</source>
        <translation>there is no space left on the disk</translation>
    </message>
    <message>
        <source>súbor je len na čítanie</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>disk je pripojený len na čítanie</source>
        <translation>the disk is mounted read-only</translation>
    </message>
    <message>
        <source>je väčší ako 32 MiB, na maticu priveľký</source>
        <translation>it is larger than 32 MiB, too large for a matrix</translation>
    </message>
    <message>
        <source>čiarkami</source>
        <translation>commas</translation>
    </message>
    <message>
        <source>tabulátormi</source>
        <translation>tabs</translation>
    </message>
    <message>
        <source>medzerami</source>
        <translation>blanks</translation>
    </message>
    <message>
        <source>súbor ODS sa nedá zostaviť</source>
        <translation>the ODS file cannot be put together</translation>
    </message>
    <message>
        <source>je to pomenovaná rúra (FIFO), nie obyčajný súbor</source>
        <translation>it is a named pipe (FIFO), not a regular file</translation>
    </message>
    <message>
        <source>je to soket, nie obyčajný súbor</source>
        <translation>it is a socket, not a regular file</translation>
    </message>
    <message>
        <source>je to zariadenie, nie obyčajný súbor</source>
        <translation>it is a device, not a regular file</translation>
    </message>
    <message>
        <source>nie je to obyčajný súbor</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>súbor je poškodený</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>je chránený heslom (zašifrovaný)</source>
        <translation>it is protected by a password (encrypted)</translation>
    </message>
    <message>
        <source>je na maticu priveľký</source>
        <translation>it is too large for a matrix</translation>
    </message>
    <message>
        <source>je chránený heslom (zašifrovaný) alebo je v starom formáte .xls</source>
        <translation>it is protected by a password (encrypted) or in the old .xls format</translation>
    </message>
    <message>
        <source>je to archív ZIP, ale nie tabuľka ODS ani XLSX</source>
        <translation>it is a ZIP archive, but no ODS or XLSX spreadsheet</translation>
    </message>
    <message>
        <source>nemá hárok číslo %1 (má ich %2)</source>
        <translation>it has no sheet number %1 (it has %2)</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Stav okna sa nedá zachovať do ďalšieho spustenia.
%1</source>
        <translation>The window’s state cannot be kept for the next start.
%1</translation>
    </message>
    <message>
        <source>Uložený stav okna zo „%1“ sa nedal prečítať celý.</source>
        <translation>The window’s state kept in “%1” could not be read whole.</translation>
    </message>
    <message>
        <source>Uložený stav okna sa nedal prečítať celý; poškodený súbor je odložený ako „%1“.</source>
        <translation>The window’s kept state could not be read whole; the damaged file is set aside as “%1”.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Súbor „%1“ sa nedá uložiť: v priečinku „%2“ sa nedá pripraviť.</source>
        <translation>The file “%1” cannot be saved: it cannot be prepared in the folder “%2”.</translation>
    </message>
    <message>
        <source>Súbor „%1“ sa nedá uložiť: na disku nie je miesto.</source>
        <translation>The file “%1” cannot be saved: there is no space left on the disk.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Zorvel: kalkulačka pre malé matice komplexných čísel.</source>
        <translation>Zorvel: a calculator for small matrices of complex numbers.</translation>
    </message>
    <message>
        <source>Začne s prázdnymi maticami 3 × 3 bez naposledy zachovaného stavu okna.</source>
        <translation>Start with empty 3 × 3 matrices instead of the window’s last kept state.</translation>
    </message>
    <message>
        <source>Jazyk okna: sk (slovenčina) alebo en (angličtina).</source>
        <translation>The window’s language: sk (Slovak) or en (English).</translation>
    </message>
    <message>
        <source>Súbor s maticou 1 (.tsv, .csv, .ods, .xlsx, čísla oddelené medzerami).</source>
        <translation>A file holding matrix 1 (.tsv, .csv, .ods, .xlsx, numbers separated by blanks).</translation>
    </message>
    <message>
        <source>Súbor s maticou 2.</source>
        <translation>A file holding matrix 2.</translation>
    </message>
    <message>
        <source>otvoria sa najviac dva súbory, jeden do každej matice; daných je %1</source>
        <translation>at most two files are opened, one into each matrix; %1 are given</translation>
    </message>
    <message>
        <source>Zachovaný stav okna sa nedá obnoviť: súbor „%1“ sa nedá prečítať, %2.</source>
        <translation>The kept state of the window cannot be restored: the file “%1” cannot be read, %2.</translation>
    </message>
    <message>
        <source>súbor1</source>
        <translation>file1</translation>
    </message>
    <message>
        <source>súbor2</source>
        <translation>file2</translation>
    </message>
</context>
<context>
    <name>zorvel</name>
    <message>
        <source>Viac sa dozviete príkazom „zorvel-calc --help“.
</source>
        <translation>Try “zorvel-calc --help” for more information.
</translation>
    </message>
    <message>
        <source>neznáma voľba „%1“</source>
        <translation>unknown option “%1”</translation>
    </message>
    <message>
        <source>jazyk musí byť sk alebo en, nie „%1“</source>
        <translation>the language must be sk or en, not “%1”</translation>
    </message>
    <message>
        <source>chýba operácia</source>
        <translation>no operation given</translation>
    </message>
    <message>
        <source>neznáma operácia „%1“</source>
        <translation>unknown operation “%1”</translation>
    </message>
    <message>
        <source>operácia %1 potrebuje jeden súbor s maticou</source>
        <translation>the operation %1 takes one matrix file</translation>
    </message>
    <message>
        <source>operácia %1 potrebuje dva súbory s maticami</source>
        <translation>the operation %1 takes two matrix files</translation>
    </message>
    <message>
        <source>štandardný vstup sa dá prečítať len raz</source>
        <translation>standard input can be read only once</translation>
    </message>
    <message>
        <source>počet desatinných miest musí byť od 2 do 9, nie „%1“</source>
        <translation>the number of decimal places must be 2 to 9, not “%1”</translation>
    </message>
    <message>
        <source>%1: tabulátory a zalomenia riadkov v bunkách %2 boli nahradené medzerami
</source>
        <translation>%1: tabs and line breaks in cells %2 were replaced by spaces
</translation>
    </message>
    <message>
        <source>%1: niektoré bunky %2 mali viac ako 32 767 znakov; ich text bol skrátený
</source>
        <translation>%1: some cells %2 held more than 32,767 characters; their text was cut short
</translation>
    </message>
    <message>
        <source>%1: riadky %2 kratšie ako najdlhší riadok: %3; chýbajúce bunky sa čítajú ako 0
</source>
        <translation>%1: rows %2 shorter than the longest row: %3; the missing cells read as 0
</translation>
    </message>
    <message>
        <source>štandardný vstup</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>Štandardný vstup sa nedá prečítať: %1.</source>
        <translation>Standard input cannot be read: %1.</translation>
    </message>
    <message>
        <source>na štandardnom vstupe</source>
        <translation>on standard input</translation>
    </message>
    <message>
        <source>v súbore „%1“</source>
        <translation>in the file “%1”</translation>
    </message>
    <message>
        <source>Matice A a B musia mať rovnaký počet riadkov.</source>
        <translation>Matrices A and B must have the same number of rows.</translation>
    </message>
    <message>
        <source>Matica %1 je prázdna.</source>
        <translation>The matrix %1 is empty.</translation>
    </message>
    <message>
        <source>Matica %1 má %2 × %3 buniek (riadkov × stĺpcov); najviac sa dá 20 × 10.</source>
        <translation>The matrix %1 has %2 × %3 cells (rows × columns); at most 20 × 10 can be used.</translation>
    </message>
    <message>
        <source>%1: prvý riadok vyzerá ako hlavička, vynechal som ho
</source>
        <translation>%1: the first row looks like a header and was left out
</translation>
    </message>
    <message>
        <source>%1: na štandardný výstup sa nedá zapísať: %2
</source>
        <translation>%1: standard output cannot be written: %2
</translation>
    </message>
    <message>
        <source>s voľbou --strict sa bunky, ktoré sa neprečítajú celé, nepočítajú</source>
        <translation>with --strict, cells that are not read whole are not computed with</translation>
    </message>
    <message>
        <source>Determinant zo zadanej matice nie je možné vypočítať, pretože nejde o štvorcovú maticu (%1 × %2).</source>
        <translation>The determinant of this matrix cannot be computed because it is not a square matrix (%1 × %2).</translation>
    </message>
    <message>
        <source>Determinant matice je rovný nule, prevrátená hodnota neexistuje.</source>
        <translation>The determinant of the matrix is zero; it has no reciprocal.</translation>
    </message>
    <message>
        <source>%1: riadok %2, stĺpec %3: „%4“ sa číta ako %5</source>
        <translation>%1: row %2, column %3: “%4” is read as %5</translation>
    </message>
    <message>
        <source>výsledok obsahuje číslo priveľké na zápis: „%1“</source>
        <translation>the result holds a number too large to write: “%1”</translation>
    </message>
    <message>
        <source>Postup výpočtu</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Výsledok</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Zorvel: výpočet</source>
        <translation>Zorvel: calculation</translation>
    </message>
    <message>
        <source>Počítané presne, zaokrúhlené iba výsledky.</source>
        <translation>Computed exactly, only the results rounded.</translation>
    </message>
    <message>
        <source>Každý medzivýsledok zaokrúhlený.</source>
        <translation>Every intermediate result rounded.</translation>
    </message>
    <message>
        <source>Desatinné miesta: %1.</source>
        <translation>Decimal places: %1.</translation>
    </message>
    <message>
        <source>Matica 1</source>
        <translation>Matrix 1</translation>
    </message>
    <message>
        <source>Matica 2</source>
        <translation>Matrix 2</translation>
    </message>
    <message>
        <source>--csv, --latex a --markdown sa nedajú spojiť</source>
        <translation>--csv, --latex and --markdown cannot be combined</translation>
    </message>
    <message>
        <source>voľby --depth a --cell patria k voľbe --steps</source>
        <translation>the options --depth and --cell go with --steps</translation>
    </message>
    <message>
        <source>hĺbka postupu musí byť kladné celé číslo, nie „%1“</source>
        <translation>the depth of the steps must be a positive whole number, not “%1”</translation>
    </message>
    <message>
        <source>postup hodnosti ukáže príkaz rref --steps --cell RIADOK,STĹPEC</source>
        <translation>the steps of the rank are shown by rref --steps --cell ROW,COL</translation>
    </message>
    <message>
        <source>postup výsledku potrebuje bunku: --cell RIADOK,STĹPEC</source>
        <translation>the steps of a result need a cell: --cell ROW,COL</translation>
    </message>
    <message>
        <source>bunka sa zadáva ako RIADOK,STĹPEC, nie „%1“</source>
        <translation>a cell is given as ROW,COL, not “%1”</translation>
    </message>
    <message>
        <source>bunka %1,%2 nie je vo výsledku</source>
        <translation>cell %1,%2 is not in the result</translation>
    </message>
    <message>
        <source>postup do hĺbky %1 má %2 riadkov</source>
        <translation>steps to depth %1 have %2 lines</translation>
    </message>
    <message>
        <source>postup výpočtu (--steps) sa vypisuje len ako text, nie s --csv, --latex ani --markdown</source>
        <translation>the steps (--steps) are written as text only, not with --csv, --latex or --markdown</translation>
    </message>
    <message>
        <source>Použitie: zorvel-calc OPERÁCIA [--places N] [--exact] [--point] [--csv | --latex | --markdown]
                   [--strict] [--lang sk|en] [--sheet N] [--steps [--depth N] [--cell RIADOK,STĹPEC]]
                   A [B]
Počíta s maticami komplexných čísel presne tak ako okno programu Zorvel:
každý medzivýsledok je zaokrúhlený na zvolený počet desatinných miest,
alebo s voľbou --exact presne, so zaokrúhlenými iba výsledkami.
Výsledok vypíše na štandardný výstup, bunky oddelené tabulátormi.

Operácie:
  det          determinant matice A
  reciprocal   1/determinant matice A
  adjugate     adjungovaná matica k matici A
  inverse      inverzná matica k matici A
  sum          súčet matíc A + B
  difference   rozdiel matíc A - B
  product      súčin matíc A × B
  solve        riešenie sústavy A · X = B (každej: bez riešenia skončí
               s kódom 1 a hodnosťami, inak vypíše partikulárne riešenie
               a bázu riešení A · x = 0 so stĺpcami pomenovanými v prvom riadku)
  rank         hodnosť matice A
  rref         redukovaný stupňovitý tvar matice A, alebo [A | B] s maticou B
  transpose    transponovaná matica A
  conjugate-transpose
               hermitovsky združená matica A

A a B sú súbory s maticou v UTF-8, jeden riadok matice na riadok: .tsv
s bunkami oddelenými tabulátormi, .csv s bunkami oddelenými „;“, „,“
alebo tabulátormi (podľa textu súboru), iné s tabulátormi, ako CSV, alebo
čísla oddelené medzerami (ako ich píšu numerické programy), alebo tabuľka
.ods či .xlsx (jej prvý hárok);
- číta štandardný vstup rovnako.
Najviac 20 riadkov a 10 stĺpcov. Súbory môžu byť aj v UTF-16 alebo
Windows-1250, ako ich píšu tabuľkové procesory.
Čísla s desatinnou čiarkou alebo bodkou: 2,5  -i  3-0,25i  1.5+2i

Voľby:
  --places N   počet desatinných miest, 2 až 9 (predvolene 3)
  --exact      počíta presne a zaokrúhli iba výsledky
  --point      vypíše čísla s desatinnou bodkou namiesto čiarky
  --latex      vypíše výsledok pre LaTeX (matica ako pmatrix)
  --markdown   vypíše výsledok ako tabuľku v Markdowne
  --csv        vypíše riadky s bunkami oddelenými „;“ namiesto tabulátorov
  --strict     bunku, ktorá sa neprečíta celá, neprejde s varovaním, ale
               skončí s kódom 1 bez výsledku
  --lang JAZYK sk (slovenčina) alebo en (angličtina); predvolene jazyk
               používateľa
  --sheet N    z tabuľky .ods alebo .xlsx číta hárok N (počítané od 1)
  --steps      vypíše postup výpočtu determinantu, jeho prevrátenej
               hodnoty alebo bunky výsledku (--cell), riadok po riadku
  --depth N    koľko úrovní postupu vypísať (predvolene 1)
  --cell R,S   bunka výsledku v riadku R a stĺpci S, počítané od 1
  -h, --help   vypíše túto pomoc a skončí
  --version    vypíše verziu a skončí

Návratový kód: 0 výsledok vypísaný, 1 výpočet sa nedá vykonať
(alebo s --strict bunka neprečítaná celá),
2 chybný príkaz alebo súbor, ktorý sa nedá prečítať.
</source>
        <translation>Usage: zorvel-calc OPERATION [--places N] [--exact] [--point] [--csv | --latex | --markdown]
                   [--strict] [--lang sk|en] [--sheet N] [--steps [--depth N] [--cell ROW,COL]]
                   A [B]
Computes with matrices of complex numbers exactly as the window of Zorvel does:
every intermediate result is rounded to the chosen number of decimal places,
or with --exact computed exactly, with only the results rounded.
Prints the result on standard output, cells separated by tabs.

Operations:
  det          determinant of matrix A
  reciprocal   1/determinant of matrix A
  adjugate     adjugate of matrix A
  inverse      inverse of matrix A
  sum          sum of matrices A + B
  difference   difference of matrices A - B
  product      product of matrices A × B
  solve        solution of the system A · X = B (of any system: without a
               solution exits with status 1 and the ranks, else prints a
               particular solution and a basis of the solutions of A · x = 0,
               the columns named on the first line)
  rank         rank of matrix A
  rref         reduced row echelon form of matrix A, or of [A | B] with B
  transpose    transpose of matrix A
  conjugate-transpose
               conjugate transpose of matrix A

A and B are files holding a matrix in UTF-8, one matrix row a line: .tsv
with cells separated by tabs, .csv with cells separated by &quot;;&quot;, &quot;,&quot; or
tabs (as the file&apos;s text shows), others with tabs, as CSV, or numbers
separated by blanks (as numeric tools write them), or an .ods or .xlsx
spreadsheet (its first sheet);
- reads standard input the same way.
At most 20 rows and 10 columns. Files may also be in UTF-16 or
Windows-1250, as spreadsheets write them.
Numbers with a decimal comma or point: 2,5  -i  3-0,25i  1.5+2i

Options:
  --places N   number of decimal places, 2 to 9 (3 by default)
  --exact      computes exactly and rounds only the results
  --point      prints numbers with a decimal point instead of a comma
  --latex      prints the result for LaTeX (a matrix as a pmatrix)
  --markdown   prints the result as a Markdown table
  --csv        prints rows with cells separated by &quot;;&quot; instead of tabs
  --strict     a cell that is not read whole does not pass with a warning,
               but ends with status 1 and no result
  --lang LANG  sk (Slovak) or en (English); the user&apos;s language by default
  --sheet N    reads sheet N of an .ods or .xlsx spreadsheet (counted from 1)
  --steps      prints the steps of the determinant, its reciprocal or a
               cell of the result (--cell), a line each
  --depth N    how many levels of the steps to print (1 by default)
  --cell R,C   the cell of the result in row R and column C, counted from 1
  -h, --help   prints this help and exits
  --version    prints the version and exits

Exit status: 0 result printed, 1 the calculation cannot be done
(or with --strict a cell not read whole),
2 a wrong command or a file that cannot be read.
</translation>
    </message>
    <message>
        <source>číslo hárku musí byť celé číslo od 1, nie „%1“</source>
        <translation>the sheet number must be a whole number from 1, not “%1”</translation>
    </message>
    <message>
        <source>%1: %2 má %3 hárky; číta sa prvý, „%4“ (iný vyberie --sheet N)
</source>
        <translation>%1: %2 has %3 sheets; the first, “%4”, is read (--sheet N chooses another)
</translation>
    </message>
    <message>
        <source>%1: bunky %2 sú oddelené %3
</source>
        <translation>%1: the cells %2 are separated by %3
</translation>
    </message>
    <message>
        <source>%1: riadok %2, stĺpec %3: „%4“ sa nedá prečítať: %5</source>
        <translation>%1: row %2, column %3: “%4” cannot be read: %5</translation>
    </message>
    <message>
        <source> (presne na %1 platných číslic)</source>
        <translation> (exactly to %1 significant digits)</translation>
    </message>
    <message>
        <source>%1, stĺpce %2 až %3:</source>
        <translation>%1, columns %2 to %3:</translation>
    </message>
    <message>
        <source>
Čísla aj tak, ako ich píšu inžinieri a študenti: 1/3  (3-2i)/(1+i)  230∠30°  230&lt;30
1∠0,5rad  1500+200j  -j  4,7k  2,2µ  10m  1M  1 234,5

Tvar výsledkov:
  --form F     rect (a+bi, predvolene), polar (r∠φ°) alebo fraction
               (zlomky, len s --exact)
  --unit U     imaginárna jednotka i (predvolene) alebo j (pred číslom: 3+j4)
  --significant N  s --exact N platných číslic (2 až 9) namiesto miest
</source>
        <translation>
Numbers as engineers and students write them too: 1/3  (3-2i)/(1+i)  230∠30°  230&lt;30
1∠0,5rad  1500+200j  -j  4,7k  2,2µ  10m  1M  1 234,5

Form of results:
  --form F     rect (a+bi, the default), polar (r∠φ°) or fraction
               (fractions, only with --exact)
  --unit U     imaginary unit i (the default) or j (before the number: 3+j4)
  --significant N  with --exact, N significant digits (2 to 9) instead of places
</translation>
    </message>
    <message>
        <source>zlomky (--form fraction) sa dajú len s voľbou --exact</source>
        <translation>fractions (--form fraction) need --exact</translation>
    </message>
    <message>
        <source>tvar výsledkov musí byť rect, polar alebo fraction, nie „%1“</source>
        <translation>the form of results must be rect, polar or fraction, not “%1”</translation>
    </message>
    <message>
        <source>imaginárna jednotka musí byť i alebo j, nie „%1“</source>
        <translation>the imaginary unit must be i or j, not “%1”</translation>
    </message>
    <message>
        <source>platné číslice (--significant) sa dajú len s voľbou --exact</source>
        <translation>significant digits (--significant) need --exact</translation>
    </message>
    <message>
        <source>počet platných číslic musí byť od 2 do 9, nie „%1“</source>
        <translation>the number of significant digits must be 2 to 9, not “%1”</translation>
    </message>
    <message>
        <source>čísla nad 2147483647 sa pri počítaní ako na papieri nedajú zapísať; použite voľbu --exact</source>
        <translation>numbers above 2147483647 cannot be written when computing by hand; use --exact</translation>
    </message>
    <message>
        <source>
Postup determinantu a inverznej matice (s --steps):
  --method P   first-column (rozvoj podľa 1. stĺpca, predvolene), row:N alebo
               column:N (rozvoj podľa N. riadku či stĺpca) alebo elimination
               (elimináciou: trojuholníkový tvar, inverzná z [A | E])
</source>
        <translation>
Steps of a determinant and of an inverse (with --steps):
  --method M   first-column (expansion along column 1, the default), row:N or
               column:N (expansion along row or column N) or elimination
               (triangular form; the inverse from [A | E])
</translation>
    </message>
    <message>
        <source>postup podľa --method sa dá zvoliť len pre det, reciprocal a inverse</source>
        <translation>a method (--method) can be chosen only for det, reciprocal and inverse</translation>
    </message>
    <message>
        <source>postup musí byť first-column, row:N, column:N alebo elimination, nie „%1“</source>
        <translation>the method must be first-column, row:N, column:N or elimination, not “%1”</translation>
    </message>
    <message>
        <source>voľba --method patrí k voľbe --steps</source>
        <translation>the option --method belongs to the option --steps</translation>
    </message>
    <message>
        <source>matica %2 × %2 nemá %1. riadok</source>
        <translation>a %2 × %2 matrix has no row %1</translation>
    </message>
    <message>
        <source>matica %2 × %2 nemá %1. stĺpec</source>
        <translation>a %2 × %2 matrix has no column %1</translation>
    </message>
    <message>
        <source>postup celej sústavy sa dá ukázať len pre Cramerovo pravidlo (štvorcová sústava s nenulovým determinantom, bez --exact); postup jednej bunky ukáže --cell RIADOK,STĹPEC</source>
        <translation>the steps of the whole system can be shown only for Cramer&apos;s rule (a square system with a non-zero determinant, without --exact); --cell ROW,COL shows the steps of one cell</translation>
    </message>
    <message>
        <source>číslo s viac ako 32 767 číslicami sa do bunky nezmestí</source>
        <translation>a number of more than 32,767 digits does not fit in a cell</translation>
    </message>
</context>
<context>
    <name>zorvel::CalculationExport</name>
    <message>
        <source>Uložiť výpočet…</source>
        <translation>Save Calculation…</translation>
    </message>
    <message>
        <source>Uložiť výpočet</source>
        <translation>Save Calculation</translation>
    </message>
    <message>
        <source>Stránka HTML (*.html *.htm);;Dokument PDF (*.pdf)</source>
        <translation>HTML page (*.html *.htm);;PDF document (*.pdf)</translation>
    </message>
</context>
<context>
    <name>zorvel::ColumnFit</name>
    <message>
        <source>Prispôsobiť šírku stĺpcov</source>
        <translation>Fit column widths</translation>
    </message>
</context>
<context>
    <name>zorvel::GridModel</name>
    <message>
        <source>Riadok %1, stĺpec %2: %3</source>
        <translation>Row %1, column %2: %3</translation>
    </message>
    <message>
        <source>prázdna bunka</source>
        <translation>empty cell</translation>
    </message>
    <message>
        <source>Čítané ako %1</source>
        <translation>Read as %1</translation>
    </message>
</context>
<context>
    <name>zorvel::InputHistory</name>
    <message>
        <source>Späť</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Znova</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>zorvel::MatrixFileActions</name>
    <message>
        <source>Otvoriť maticu…</source>
        <translation>Open matrix…</translation>
    </message>
    <message>
        <source>Uložiť maticu…</source>
        <translation>Save matrix…</translation>
    </message>
    <message>
        <source>Uložiť výsledok…</source>
        <translation>Save result…</translation>
    </message>
    <message>
        <source>Otvoriť maticu</source>
        <translation>Open matrix</translation>
    </message>
    <message>
        <source>Uložiť maticu</source>
        <translation>Save matrix</translation>
    </message>
    <message>
        <source>Uložiť výsledok</source>
        <translation>Save result</translation>
    </message>
    <message>
        <source>Súbor „%1“ je prázdny, neobsahuje maticu.</source>
        <translation>The file “%1” is empty; it holds no matrix.</translation>
    </message>
    <message>
        <source>Matica môže mať najviac %1 riadkov a %2 stĺpcov. Zo súboru „%3“ sa vynechalo riadkov: %4, stĺpcov: %5.</source>
        <translation>A matrix can have at most %1 rows and %2 columns. Left out of the file “%3”: %4 rows, %5 columns.</translation>
    </message>
    <message>
        <source>Niektoré bunky zo súboru „%1“ mali viac ako 32 767 znakov. Ich text bol skrátený.</source>
        <translation>Some cells of the file “%1” held more than 32,767 characters. Their text was cut short.</translation>
    </message>
    <message>
        <source>Tabulátory a zalomenia riadkov v bunkách zo súboru „%1“ boli nahradené medzerami.</source>
        <translation>Tabs and line breaks in cells of the file “%1” were replaced by spaces.</translation>
    </message>
    <message>
        <source>Matice (*.tsv *.csv *.ods *.xlsx *.txt *.dat);;Text oddelený tabulátormi (*.tsv);;CSV (*.csv);;Tabuľka (*.ods *.xlsx);;Čísla oddelené medzerami (*.txt *.dat);;Všetky súbory (*)</source>
        <translation>Matrices (*.tsv *.csv *.ods *.xlsx *.txt *.dat);;Tab-separated text (*.tsv);;CSV (*.csv);;Spreadsheet (*.ods *.xlsx);;Numbers separated by blanks (*.txt *.dat);;All files (*)</translation>
    </message>
    <message>
        <source>Text oddelený tabulátormi (*.tsv);;CSV s bodkočiarkou (*.csv);;Tabuľka OpenDocument (*.ods)</source>
        <translation>Tab-separated text (*.tsv);;CSV with semicolons (*.csv);;OpenDocument spreadsheet (*.ods)</translation>
    </message>
    <message>
        <source>Hárok zo súboru „%1“:</source>
        <translation>Sheet of the file “%1”:</translation>
    </message>
    <message>
        <source>Bunky v súbore „%1“ sú oddelené %2.</source>
        <translation>The cells in the file “%1” are separated by %2.</translation>
    </message>
    <message>
        <source>Prvý riadok súboru vyzerá ako hlavička, vynechal som ho. Krok späť (Ctrl+Z) ho vráti do matice.</source>
        <translation>The first row of the file looks like a header and was left out. One step back (Ctrl+Z) puts it into the matrix.</translation>
    </message>
</context>
<context>
    <name>zorvel::StatusLine</name>
    <message>
        <source>%1, riadok %2, stĺpec %3: </source>
        <comment>the matrix, the cell&apos;s row and column, before its text</comment>
        <translation>%1, row %2, column %3: </translation>
    </message>
    <message>
        <source>prázdna bunka</source>
        <translation>empty cell</translation>
    </message>
    <message>
        <source> — čítané ako %1</source>
        <comment>after a cell&apos;s text: the value the text is read as</comment>
        <translation> — read as %1</translation>
    </message>
</context>
<context>
    <name>zorvel::StepsCopy</name>
    <message>
        <source>Kopírovať vybrané riadky</source>
        <translation>Copy selected lines</translation>
    </message>
    <message>
        <source>Vybrať všetko</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Kopírovať celý postup ako text</source>
        <translation>Copy all steps as text</translation>
    </message>
    <message>
        <source>Kopírovať celý postup ako LaTeX</source>
        <translation>Copy all steps as LaTeX</translation>
    </message>
    <message>
        <source>Kopírovať celý postup ako Markdown</source>
        <translation>Copy all steps as Markdown</translation>
    </message>
</context>
<context>
    <name>zorvel::StepsMethodChoice</name>
    <message>
        <source>Postup</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>rozvoj podľa 1. stĺpca</source>
        <translation>expansion along column 1</translation>
    </message>
    <message>
        <source>rozvoj podľa %1. riadku</source>
        <translation>expansion along row %1</translation>
    </message>
    <message>
        <source>rozvoj podľa %1. stĺpca</source>
        <translation>expansion along column %1</translation>
    </message>
    <message>
        <source>elimináciou</source>
        <translation>by elimination</translation>
    </message>
    <message>
        <source>celá sústava naraz</source>
        <translation>the whole system at once</translation>
    </message>
</context>
<context>
    <name>zorvel::StepsPanel</name>
    <message>
        <source>Postup výpočtu</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Ukáž postup</source>
        <translation>Show steps</translation>
    </message>
    <message>
        <source>Postup výpočtu: %1</source>
        <translation>Steps: %1</translation>
    </message>
    <message>
        <source>Postup výpočtu: tento výsledok sa teraz neukazuje</source>
        <translation>Steps: this result is not shown now</translation>
    </message>
    <message>
        <source>Postup výpočtu: Počítam…</source>
        <translation>Steps: computing…</translation>
    </message>
    <message>
        <source>Kopírovať</source>
        <translation>Copy</translation>
    </message>
</context>
<context>
    <name>zorvel::StringGrid</name>
    <message>
        <source>Kopírovať</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Kopírovať s desatinnou bodkou</source>
        <translation>Copy with decimal points</translation>
    </message>
    <message>
        <source>Vložiť</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Kopírovať ako LaTeX</source>
        <translation>Copy as LaTeX</translation>
    </message>
    <message>
        <source>Kopírovať ako Markdown</source>
        <translation>Copy as Markdown</translation>
    </message>
</context>
<context>
    <name>zorvel::TMain</name>
    <message>
        <source>Autor: </source>
        <translation>Author: </translation>
    </message>
    <message>
        <source>Elektronická adresa:</source>
        <translation>Web address:</translation>
    </message>
    <message>
        <source>Elektronická pošta:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Telefón:</source>
        <translation>Telephone:</translation>
    </message>
    <message>
        <source>Mobilný telefón:</source>
        <translation>Mobile phone:</translation>
    </message>
    <message>
        <source>Zavrieť</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Výsledok nie je možné zobraziť: %1</source>
        <translation>The result cannot be shown: %1</translation>
    </message>
    <message>
        <source>Matica môže mať najviac %1 riadkov a %2 stĺpcov. Z vloženého bloku sa vynechalo riadkov: %3, stĺpcov: %4.</source>
        <translation>A matrix can have at most %1 rows and %2 columns. Left out of the pasted block: %3 rows, %4 columns.</translation>
    </message>
    <message>
        <source>Niektoré vložené bunky mali viac ako 32 767 znakov. Ich text bol skrátený.</source>
        <translation>Some pasted cells held more than 32,767 characters. Their text was cut short.</translation>
    </message>
    <message>
        <source>desatinné miesta</source>
        <comment>after 2 to 4</comment>
        <translation>decimal places</translation>
    </message>
    <message>
        <source>desatinných miest</source>
        <comment>after 5 to 9</comment>
        <translation>decimal places</translation>
    </message>
    <message>
        <source>Zaokrúhľovať na</source>
        <translation>Round to</translation>
    </message>
    <message>
        <source>Matica 1</source>
        <translation>Matrix 1</translation>
    </message>
    <message>
        <source>Riadkov</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Stĺpcov</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>Determinant:</source>
        <translation>Determinant:</translation>
    </message>
    <message>
        <source>1/determ.:</source>
        <translation>1/determ.:</translation>
    </message>
    <message>
        <source>Matica 2</source>
        <translation>Matrix 2</translation>
    </message>
    <message>
        <source>Vymeniť matice</source>
        <translation>Swap the matrices</translation>
    </message>
    <message>
        <source>Výpočet:</source>
        <translation>Calculation:</translation>
    </message>
    <message>
        <source>Skopírovať inverznú maticu do matice 2</source>
        <translation>Copy the inverse into matrix 2</translation>
    </message>
    <message>
        <source>O programe</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Adjungovaná matica</source>
        <translation>Adjugate matrix</translation>
    </message>
    <message>
        <source>Inverzná matica</source>
        <translation>Inverse matrix</translation>
    </message>
    <message>
        <source>Výsledná matica</source>
        <translation>Result matrix</translation>
    </message>
    <message>
        <source>Počet riadkov matice 1</source>
        <translation>Rows of matrix 1</translation>
    </message>
    <message>
        <source>Počet stĺpcov matice 1</source>
        <translation>Columns of matrix 1</translation>
    </message>
    <message>
        <source>Počet riadkov matice 2</source>
        <translation>Rows of matrix 2</translation>
    </message>
    <message>
        <source>Počet stĺpcov matice 2</source>
        <translation>Columns of matrix 2</translation>
    </message>
    <message>
        <source>Počet desatinných miest</source>
        <translation>Decimal places</translation>
    </message>
    <message>
        <source>Výpočet</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Determinant</source>
        <translation>Determinant</translation>
    </message>
    <message>
        <source>Prevrátená hodnota determinantu</source>
        <translation>Reciprocal of the determinant</translation>
    </message>
    <message>
        <source>Determinant v menovateli</source>
        <translation>Determinant in the denominator</translation>
    </message>
    <message>
        <source>Presne</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Počítať presne a zaokrúhliť iba výsledky</source>
        <translation>Compute exactly and round only the results</translation>
    </message>
    <message>
        <source>Zorvel 2,1</source>
        <translation>Zorvel 2.1</translation>
    </message>
    <message>
        <source>Počítam…</source>
        <translation>Computing…</translation>
    </message>
    <message>
        <source>Čísla vo vloženom texte sú oddelené medzerami.</source>
        <translation>The numbers of the pasted text are separated by blanks.</translation>
    </message>
    <message>
        <source>F1: o programe
F3 alebo „Ukáž postup“: panel Postup výpočtu
Ctrl+S: uložiť výpočet</source>
        <translation>F1: about
F3 or “Show steps”: the Steps pane
Ctrl+S: save the calculation</translation>
    </message>
    <message>
        <source>platné číslice</source>
        <comment>after 2 to 4</comment>
        <translation>significant digits</translation>
    </message>
    <message>
        <source>platných číslic</source>
        <comment>after 5 to 9</comment>
        <translation>significant digits</translation>
    </message>
    <message>
        <source>Tvar výsledkov:</source>
        <translation>Form of results:</translation>
    </message>
    <message>
        <source>zlomky</source>
        <translation>fractions</translation>
    </message>
    <message>
        <source>Tvar výsledkov; zlomky len pri presnom počítaní</source>
        <translation>Form of results; fractions only when computing exactly</translation>
    </message>
    <message>
        <source>Imaginárna jednotka</source>
        <translation>Imaginary unit</translation>
    </message>
    <message>
        <source>platné číslice</source>
        <translation>significant digits</translation>
    </message>
    <message>
        <source>Pri presnom počítaní zaokrúhliť na platné číslice namiesto desatinných miest</source>
        <translation>When computing exactly, round to significant digits instead of decimal places</translation>
    </message>
</context>
</TS>
