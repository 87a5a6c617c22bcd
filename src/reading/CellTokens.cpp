#include "CellTokens.h"

#include <cstring>

#include "ExtraCharacters.h"

namespace zorvel {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Blanks that may stand between the digit groups of a large number.
bool IsGroupBlank(char c) { return c == ' ' || c == kNoBreakSpace || c == kNarrowNoBreakSpace; }
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32 || c == kNoBreakSpace || c == kNarrowNoBreakSpace; }

// The power of ten of a prefix written right after a number, case respected.
std::optional<int> PrefixPower(char c) {
  switch (c) {
    case 'p': return -12;
    case 'n': return -9;
    case 'u':
    case kMicroSign:
    case kGreekMu: return -6;
    case 'm': return -3;
    case 'k':
    case 'K': return 3;
    case 'M': return 6;
    case 'G': return 9;
    default: return std::nullopt;
  }
}

CellToken Mark(CellToken::Kind kind) {
  CellToken token;
  token.kind = kind;
  return token;
}

class Tokenizer {
 public:
  Tokenizer(std::string_view text, bool unitIsJ) : s_(text), unitIsJ_(unitIsJ) {}

  std::optional<std::vector<CellToken>> Run() {
    std::vector<CellToken> tokens;
    while (p_ < s_.size()) {
      const char c = s_[p_];
      if (IsBlank(c)) {
        ++p_;
      } else if (IsDigit(c) || ((c == ',' || c == '.') && p_ + 1 < s_.size() && IsDigit(s_[p_ + 1]))) {
        if (!Number(tokens.emplace_back())) return std::nullopt;
      } else if (IsUnit(c)) {
        tokens.push_back(Mark(CellToken::Kind::Unit));
        ++p_;
      } else if (const std::optional<CellToken::Kind> kind = Symbol(c)) {
        tokens.push_back(Mark(*kind));
        ++p_;
      } else if (s_.size() - p_ >= 3 && Lower(s_[p_]) == 'r' && Lower(s_[p_ + 1]) == 'a' && Lower(s_[p_ + 2]) == 'd') {
        tokens.push_back(Mark(CellToken::Kind::Radian));
        p_ += 3;
      } else {
        return std::nullopt;
      }
    }
    return tokens;
  }

 private:
  static char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
  [[nodiscard]] bool IsUnit(char c) const { return unitIsJ_ ? (c == 'j' || c == 'J') : (c == 'i' || c == 'I'); }

  static std::optional<CellToken::Kind> Symbol(char c) {
    switch (c) {
      case '+': return CellToken::Kind::Plus;
      case '-': return CellToken::Kind::Minus;
      case '/': return CellToken::Kind::Slash;
      case '(': return CellToken::Kind::Open;
      case ')': return CellToken::Kind::Close;
      case '<':
      case kAngleSign: return CellToken::Kind::Angle;
      case kDegreeSign: return CellToken::Kind::Degree;
      default: return std::nullopt;
    }
  }

  // Three digits and then no digit, after a group blank at p.
  [[nodiscard]] bool GroupFollows(std::size_t p) const {
    if (p + 4 > s_.size() || !IsGroupBlank(s_[p])) return false;
    for (std::size_t i = 1; i <= 3; ++i) {
      if (!IsDigit(s_[p + i])) return false;
    }
    return p + 4 == s_.size() || !IsDigit(s_[p + 4]);
  }

  bool Number(CellToken& token) {
    IntegerDigits(token);
    if (p_ < s_.size() && (s_[p_] == ',' || s_[p_] == '.')) {
      token.number += ',';
      ++p_;
      while (p_ < s_.size() && IsDigit(s_[p_])) token.number += s_[p_++];
    }
    const bool exponent = Exponent(token);
    return Prefix(token, exponent);
  }

  // The digits before the point, with their groups.
  void IntegerDigits(CellToken& token) {
    int run = 0;
    for (;;) {
      while (p_ < s_.size() && IsDigit(s_[p_])) {
        token.number += s_[p_++];
        ++run;
      }
      // The first group has one to three digits, every later one three.
      if (!GroupFollows(p_) || run > 3 || (token.grouped && run != 3)) return;
      token.grouped = true;
      run = 0;
      ++p_;
    }
  }

  // "E", an optional sign and digits; nothing when no digit follows.
  bool Exponent(CellToken& token) {
    if (p_ + 1 >= s_.size() || (s_[p_] != 'E' && s_[p_] != 'e')) return false;
    std::size_t q = p_ + 1;
    const bool sign = s_[q] == '+' || s_[q] == '-';
    if (sign) ++q;
    if (q >= s_.size() || !IsDigit(s_[q])) return false;
    token.signedExponent = sign;
    token.number += 'E';
    token.number.append(s_.substr(p_ + 1, q - p_ - 1));
    for (p_ = q; p_ < s_.size() && IsDigit(s_[p_]);) token.number += s_[p_++];
    return true;
  }

  // A prefix ends its word: "4,7k" and "2ki", not "4,7kk" nor "10mrad"; a
  // number with an exponent takes none.
  bool Prefix(CellToken& token, bool exponent) {
    if (p_ >= s_.size()) return true;
    const std::optional<int> power = PrefixPower(s_[p_]);
    if (!power) return true;
    const char next = p_ + 1 < s_.size() ? s_[p_ + 1] : '\0';
    const bool endsWord = !IsAsciiLetter(next) || IsUnit(next);
    if (exponent || !endsWord) return false;
    token.number += 'E';
    token.number += std::to_string(*power);
    token.prefixed = true;
    ++p_;
    return true;
  }

  std::string_view s_;
  bool unitIsJ_;
  std::size_t p_ = 0;
};

// A "/" with a number or a parenthesis on either side.
bool SlashBetweenNumbers(std::string_view text) {
  for (std::size_t slash = text.find('/'); slash != std::string_view::npos; slash = text.find('/', slash + 1)) {
    std::size_t before = slash;
    while (before > 0 && IsBlank(text[before - 1])) --before;
    std::size_t after = slash + 1;
    while (after < text.size() && IsBlank(text[after])) ++after;
    if (before > 0 && after < text.size() && (IsDigit(text[before - 1]) || text[before - 1] == ')') &&
        (IsDigit(text[after]) || text[after] == '(' || text[after] == '/')) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::optional<std::vector<CellToken>> TokenizeCell(std::string_view text, CellTokenHints& hints) {
  const bool hasI = text.find_first_of("iI") != std::string_view::npos;
  const bool hasJ = text.find_first_of("jJ") != std::string_view::npos;
  // A sign names the form it nearly fits only after a digit: "<b>" is no angle.
  const std::size_t digit = text.find_first_of("0123456789");
  const std::size_t angle = text.find_first_of(std::string_view("<\x81", 2));
  hints.angle = angle != std::string_view::npos && digit < angle;
  hints.slash = SlashBetweenNumbers(text);
  hints.bothUnits = hasI && hasJ;
  hints.unitJ = hasJ && !hasI;
  return Tokenizer(text, hasJ && !hasI).Run();
}

}  // namespace zorvel
