#include "Cp1250.h"

#include <QStringConverter>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringView>

#include <algorithm>
#include <array>

#include "ExtraCharacters.h"
#include "Symbols.h"

namespace zorvel {
namespace {

constexpr char kCodec[] = "windows-1250";
// ICU writes its substitution byte for a character it cannot map.
constexpr char kIcuSubstitute = '\x1A';

bool IsAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsAscii(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// Counts code points, a surrogate pair as one, since each becomes one byte.
qsizetype CodePoints(const QString& text) {
  qsizetype count = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
    ++count;
  }
  return count;
}

// The characters the core keeps in bytes that the code page leaves unassigned.
struct ExtraCharacter {
  char byte;
  char16_t unicode;
};
constexpr std::array<ExtraCharacter, 3> kExtra{
    {{kAngleSign, u'\u2220'}, {kGreekMu, u'\u03BC'}, {kNarrowNoBreakSpace, u'\u202F'}}};

bool IsExtraByte(char c) {
  return std::any_of(kExtra.begin(), kExtra.end(), [c](const ExtraCharacter& e) { return e.byte == c; });
}

QString DecodeCp1250(std::string_view bytes) {
  thread_local QStringDecoder decoder(kCodec, QStringConverter::Flag::Stateless);
  if (!decoder.isValid()) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

// A lone surrogate is no character: it becomes the replacement character, as
// every other character the code page cannot write becomes "?" after it.
QString WithoutLoneSurrogates(const QString& text) {
  QString out = text;
  for (qsizetype i = 0; i < out.size(); ++i) {
    const QChar c = out.at(i);
    if (c.isHighSurrogate() && i + 1 < out.size() && out.at(i + 1).isLowSurrogate()) {
      ++i;
    } else if (c.isSurrogate()) {
      out[i] = QChar::ReplacementCharacter;
    }
  }
  return out;
}

std::string EncodeCp1250(const QString& text);

// The characters that core texts write with the escape byte (Symbols.h).
QString WithSymbols(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar escape(kSymbolEscape);
    if (text.at(i) != escape || i + 1 == text.size()) {
      shown += text.at(i);
      continue;
    }
    const char16_t next = text.at(i + 1).unicode();
    char16_t symbol = 0;
    if (next >= u'0' && next <= u'9') symbol = static_cast<char16_t>(0x2080 + (next - u'0'));
    if (next == u'-') symbol = 0x2212;
    if (next == u'<') symbol = 0x2194;
    if (next == u'C') symbol = 0x2102;
    if (next == u'e') symbol = 0x2208;
    if (symbol == 0) {
      shown += text.at(i);
      continue;
    }
    shown += QChar(symbol);
    ++i;
  }
  return shown;
}

QString DecodedWithExtras(std::string_view bytes);

}  // namespace

QString FromCp1250(std::string_view bytes) {
  QString text = DecodedWithExtras(bytes);
  return bytes.find(kSymbolEscape) == std::string_view::npos ? text : WithSymbols(text);
}

namespace {

QString DecodedWithExtras(std::string_view bytes) {
  // Cell texts are mostly numbers: skip the codec for plain ASCII.
  if (IsAscii(bytes)) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  if (std::none_of(bytes.begin(), bytes.end(), IsExtraByte)) return DecodeCp1250(bytes);
  QString text;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= bytes.size(); ++i) {
    if (i < bytes.size() && !IsExtraByte(bytes[i])) continue;
    text += DecodeCp1250(bytes.substr(start, i - start));
    if (i < bytes.size()) {
      const auto extra =
          std::find_if(kExtra.begin(), kExtra.end(), [&](const ExtraCharacter& e) { return e.byte == bytes[i]; });
      text += QChar(extra->unicode);
    }
    start = i + 1;
  }
  return text;
}

}  // namespace

std::string ToCp1250(const QString& text) {
  const auto isExtra = [](QChar c) {
    return std::any_of(kExtra.begin(), kExtra.end(), [c](const ExtraCharacter& e) { return e.unicode == c.unicode(); });
  };
  if (std::none_of(text.begin(), text.end(), isExtra)) return EncodeCp1250(text);
  std::string bytes;
  qsizetype start = 0;
  for (qsizetype i = 0; i <= text.size(); ++i) {
    if (i < text.size() && !isExtra(text.at(i))) continue;
    bytes += EncodeCp1250(text.mid(start, i - start));
    if (i < text.size()) {
      const auto extra = std::find_if(kExtra.begin(), kExtra.end(),
                                      [&](const ExtraCharacter& e) { return e.unicode == text.at(i).unicode(); });
      bytes += extra->byte;
    }
    start = i + 1;
  }
  return bytes;
}

namespace {

std::string EncodeCp1250(const QString& source) {
  if (IsAscii(source)) {
    const QByteArray latin = source.toLatin1();
    return {latin.constData(), static_cast<std::size_t>(latin.size())};
  }
  const QString text = WithoutLoneSurrogates(source);
  thread_local QStringEncoder encoder(kCodec, QStringConverter::Flag::Stateless);
  QByteArray bytes = encoder.isValid() ? QByteArray(encoder.encode(text)) : text.toLatin1();
  std::string result(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  if (result.find(kIcuSubstitute) == std::string::npos) return result;
  // A single-byte code page writes one byte per code point, so the source
  // tells a substituted character from a real U+001A.
  if (static_cast<qsizetype>(result.size()) != CodePoints(text)) {
    std::replace(result.begin(), result.end(), kIcuSubstitute, '?');
    return result;
  }
  std::size_t byte = 0;
  for (qsizetype i = 0; i < text.size(); ++i, ++byte) {
    const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
    if (result[byte] == kIcuSubstitute && (pair || text.at(i).unicode() != 0x1A)) result[byte] = '?';
    if (pair) ++i;
  }
  return result;
}

}  // namespace

}  // namespace zorvel
