#pragma once

#include <string_view>

namespace zorvel {

// Why a result cannot be shown, in the words the user reads in the window
// and on the command line (Windows-1250; the text of each in its comment).

// "Determinant zo zadanej matice nie je možné vypočítať."
inline constexpr std::string_view kDeterminantImpossible =
    "Determinant zo zadanej matice nie je mo\x9En\xE9 vypo\xE8\xEDta\x9D.";

// "K matici 1 nexistuje inverzná matica, pretože nejde o štvorcovú maticu."
inline constexpr std::string_view kInverseNotSquare =
    "K matici 1 nexistuje inverzn\xE1 matica, preto\x9E"
    "e nejde o \x9Atvorcov\xFA maticu.";

// "K matici 1 nexistuje inverzná matica." (square, but with no rows)
inline constexpr std::string_view kInverseImpossible = "K matici 1 nexistuje inverzn\xE1 matica.";

// "K matici 1 nexistuje inverzná matica, pretože determinant je rovný nule."
inline constexpr std::string_view kInverseDeterminantZero =
    "K matici 1 nexistuje inverzn\xE1 matica, preto\x9E"
    "e determinant je rovn\xFD nule.";

// "Sčítať a odčítať sa môžu len matice s rovnakým počtom stĺpcov a riadkov."
inline constexpr std::string_view kSumSizesDiffer =
    "S\xE8\xEDta\x9D a od\xE8\xEDta\x9D sa m\xF4\x9Eu len matice s rovnak\xFDm po\xE8tom st\xE5pcov a riadkov.";

// "Matice nie je možné násobiť." (matching sizes, but one of them empty)
inline constexpr std::string_view kProductImpossible = "Matice nie je mo\x9En\xE9 n\xE1sobi\x9D.";

// "Pre násobenie matíc musí mať prvá rovnaký počet stĺpcov ako druhá riadkov."
inline constexpr std::string_view kProductSizesDiffer =
    "Pre n\xE1sobenie mat\xED"
    "c mus\xED ma\x9D prv\xE1 rovnak\xFD po\xE8"
    "et st\xE5pcov ako druh\xE1 riadkov.";

// "Sústavu nie je možné vyriešiť, pretože matica 1 nie je štvorcová."
inline constexpr std::string_view kSolveNotSquare =
    "S\xFAstavu nie je mo\x9En\xE9 vyrie\x9Ai\x9D, preto\x9E"
    "e matica 1 nie je \x9Atvorcov\xE1.";

// "Sústavu nie je možné vyriešiť, pretože matica 2 nemá toľko riadkov ako matica 1."
inline constexpr std::string_view kSolveRowsDiffer =
    "S\xFAstavu nie je mo\x9En\xE9 vyrie\x9Ai\x9D, preto\x9E"
    "e matica 2 nem\xE1 to\xBEko riadkov ako matica 1.";

// "Sústava nemá jediné riešenie, pretože determinant matice 1 je rovný nule."
inline constexpr std::string_view kSolveDeterminantZero =
    "S\xFAstava nem\xE1 jedin\xE9 rie\x9A"
    "enie, preto\x9E"
    "e determinant matice 1 je rovn\xFD nule.";

}  // namespace zorvel
