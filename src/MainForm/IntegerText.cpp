#include "IntegerText.h"

#include <cstdint>

namespace zorvel {
namespace {

int HexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}

bool IsBlank(QChar c) { return c.unicode() <= 32; }

}  // namespace

std::optional<int> ReadInteger(QStringView text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  qsizetype i = begin;
  bool negative = false;
  if (i < end && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';

  bool hex = false;
  if (i < end && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < end && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
    hex = true;
    i += 2;
  }
  if (i == end) return std::nullopt;

  std::int64_t value = 0;
  const std::int64_t limit = hex ? 0xFFFFFFFFLL : (negative ? 2147483648LL : 2147483647LL);
  for (; i < end; ++i) {
    const int digit = HexDigit(text[i]);
    if (digit < 0 || (!hex && digit > 9)) return std::nullopt;
    value = value * (hex ? 16 : 10) + digit;
    if (value > limit) return std::nullopt;
  }
  if (hex) return static_cast<int>(static_cast<std::uint32_t>(value));
  return static_cast<int>(negative ? -value : value);
}

}  // namespace zorvel
