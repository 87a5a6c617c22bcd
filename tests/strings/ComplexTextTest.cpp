#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "ComplexText.h"
#include "FloatError.h"
#include "Messages.h"
#include "NumberText.h"

namespace zorvel {
namespace {

const std::string kTooLarge(kTooLargeNumber);

struct ParseCase {
  std::string text;
  double re;
  double im;
};

TEST(ParseComplex, ReadsEveryFormTheUserMayType) {
  const ParseCase cases[] = {
      {"", 0, 0},
      {"   ", 0, 0},
      {"i", 0, 1},
      {"I", 0, 1},
      {"-i", 0, -1},
      {"+i", 0, 1},
      {"2i", 0, 2},
      {"0i", 0, 0},
      {"1+i", 1, 1},
      {"1-i", 1, -1},
      {"-2-3i", -2, -3},
      {"2+3i", 2, 3},
      {"2 + 3i", 2, 3},
      {"2,5-1,5i", 2.5, -1.5},
      {"-0,5i", 0, -0.5},
      {"2.5i", 0, 2.5},
      {"3i+1", 1, 3},
      {"3,7i-1,2", -1.2, 3.7},
      {"-i+2", 2, -1},
      {"5-i-2", 3, -1},
      {"1+2+3i", 3, 3},
      {"i+i", 0, 2},
      {"i2", 0, 2},
      {"2i3", 0, 23},
      {"ii", 0, 1},
      {"2,5", 2.5, 0},
      {"1,5e2", 150, 0},
      {"2-", 2, 0},
      {"2+", 2, 0},
      {"2+3", 2, 0},
      {"1-2i-", 1, -2},
      {"1E-3+2i", 0.001, 2},
      {"1E-5i", 1, -5},
      {"abc", 0, 0},
      {"1,5x", 15, 0},
      {" -i", 0, -1},
      {"+1-2i+3", 4, -2},
      {"-6e+3i", 6, 3},
      {"xi", 0, 1},
      {"-xi", 0, 1},
      {"12,345-6,789i", 12.345, -6.789},
      {"\xE1i", 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const Complex value = ParseComplex(c.text);
    EXPECT_EQ(value.re, c.re);
    EXPECT_EQ(value.im, c.im);
  }
}

// Whether every number of a text is read to its end: what the window marks.
// The value is always ParseComplex's.
TEST(ReadComplex, TellsATextReadWholeFromOneCutShort) {
  const std::pair<std::string, bool> cases[] = {
      {"", true},      {"2", true},        {"-2,5", true},  {"2.5", true},  {"1E3", true},       {"i", true},
      {"-i", true},    {"3i", true},       {"2+3i", true},  {"2-i", true},  {"-0,5+2,5i", true}, {"2 + 3i", true},
      {" 7 ", true},   {"+i", true},       {"1-2i-", true}, {"abc", false}, {"1,5.2", false},    {"(1+i)", false},
      {"2+3j", false}, {"1/2", false},     {"2+3", false},  {"-", false},   {"1E-5i", false},    {"?", false},
      {"xi", false},   {kTooLarge, false},
  };
  for (const auto& [text, whole] : cases) {
    SCOPED_TRACE(text);
    const ComplexReading reading = ReadComplex(text);
    EXPECT_EQ(reading.whole, whole);
    const Complex value = ParseComplex(text);
    EXPECT_EQ(std::memcmp(&reading.value, &value, sizeof value), 0);
  }
}

TEST(ParseComplex, TheTooLargeMessageIsNotANumber) {
  for (const std::string& text :
       {kTooLarge, kTooLarge + "+2i", "1+" + kTooLarge + "i", kTooLarge + "+" + kTooLarge + "i"}) {
    SCOPED_TRACE(text);
    const Complex value = ParseComplex(text);
    EXPECT_TRUE(std::isnan(value.re));
    EXPECT_TRUE(std::isnan(value.im));
    EXPECT_FALSE(IsZeroComplex(text));
  }
}

// Reading a text can fail with the overflow error and with no other.
TEST(ParseComplex, OverflowsOnATermBeyondTheDoubleRange) {
  const std::string beyondExtended(5000, '9');
  for (const std::string& text :
       {std::string("1e400"), std::string("1+1e400i"),
        std::string("1e308i+1e308i"),  // the sum overflows
        beyondExtended + "E-10000", "2-" + beyondExtended + "E-10000i", beyondExtended + "E-10000i+1"}) {
    SCOPED_TRACE(text.substr(0, 16));
    try {
      ParseComplex(text);
      ADD_FAILURE() << "no error";
    } catch (const FloatError& e) {
      EXPECT_EQ(e.kind(), FloatError::Kind::Overflow);
    }
  }
}

// A million characters read without deep recursion or quadratic scanning
// (either would hang or crash here), summed from the last term backwards as
// the split rules define. The time is measured by the benchmark.
TEST(ParseComplex, ReadsAMillionCharacters) {
  struct LongCase {
    std::string text;
    double re;
    double im;
  };
  std::string plusTerms, minusChain, mixed, realsThenI, blanks;
  for (int i = 0; i < 200000; ++i) plusTerms += "1+";
  for (int i = 0; i < 250000; ++i) minusChain += "i-1-";
  for (int i = 0; i < 100000; ++i) mixed += "2-i+1-";
  for (int i = 0; i < 200000; ++i) realsThenI += "1+";  // no "i": one real, never split
  blanks = std::string(1000000, ' ') + "i";
  const LongCase cases[] = {
      {plusTerms + "i", 200000, 1},
      {minusChain, -250000, -249998},  // only the first i is positive; the last "-" is dropped
      {mixed, -99996, -100000},
      {realsThenI, 1, 0},
      {blanks, 0, 1},
      {std::string(1000000, 'i'), 0, 1},
      {std::string(1000000, '+') + "i", 0, 1},
      {std::string(1000000, '-') + "i", 0, -1},
  };
  for (const auto& c : cases) {
    const Complex value = ParseComplex(c.text);
    EXPECT_EQ(value.re, c.re) << c.text.substr(0, 12);
    EXPECT_EQ(value.im, c.im) << c.text.substr(0, 12);
  }
}

TEST(ParseComplex, SumsTailFirstWithRoundingAtEachStep) {
  // 1 + (t + t): the tail is summed first, so the two small terms survive
  // together; t + (t + 1) loses each of them on its own.
  const std::string tiny = "0,0000000000000001i";
  EXPECT_GT(ParseComplex("1i+" + tiny + "+" + tiny).im, 1.0);
  EXPECT_EQ(ParseComplex(tiny + "+" + tiny + "+1i").im, 1.0);
}

struct FormatCase {
  double re;
  double im;
  const char* text;
};

TEST(FormatComplex, WritesTheShortestForm) {
  const FormatCase cases[] = {
      {0, 0, "0"},
      {1, 0, "1"},
      {0, 1, "i"},
      {0, -1, "-i"},
      {2, 1, "2+i"},
      {2, -1, "2-i"},
      {-1, -1, "-1-i"},
      {-2, 3.5, "-2+3,5i"},
      {0, 2, "2i"},
      {0, -2.5, "-2,5i"},
      {0.5, 0.5, "0,5+0,5i"},
      {2.5, -0.25, "2,5-0,25i"},
      {0, 0.0004, "0i"},
      {2, 0.0004, "2+0i"},
      {2, -0.0004, "2+0i"},
      {-3.5, -1e-17, "-3,5+0i"},
      {1e-17, 2, "0+2i"},
      {2, 0.99999, "2+1i"},
      {2, -0.99999, "2-1i"},
      {-0.0, 2, "2i"},
      {2, -0.0, "2"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatComplex(3, c.re, c.im), c.text) << c.re << " " << c.im;
  EXPECT_EQ(FormatComplex(3, 3e9, 2), kTooLarge + "+2i");
  EXPECT_EQ(FormatComplex(3, -3e9, -2), kTooLarge + "-2i");
  EXPECT_EQ(FormatComplex(9, -2147483647.123456789, -2147483647.123456789).size(), 43u);
}

// Never "Príliš veľké číslo+Príliš veľké čísloi" nor the message followed by
// "i": an imaginary part that cannot be written takes the whole text.
TEST(FormatComplex, ANotANumberOrTooLargeImaginaryPartWritesTheMessageAlone) {
  const std::pair<double, double> cases[] = {
      {NAN, 0}, {1, NAN}, {3e9, 3e9}, {0, 3e9}, {2, -3e9}, {0, -2147483648.0}, {-3e9, 2147483647.9999}};
  for (const auto& [re, im] : cases) {
    SCOPED_TRACE(std::to_string(re) + " " + std::to_string(im));
    EXPECT_EQ(FormatComplex(3, re, im), kTooLarge);
    EXPECT_TRUE(IsNotANumber(ReadBackComplex(3, {re, im})));
  }
}

TEST(FormatComplex, FailsForAPartOfMagnitude2To63) {
  EXPECT_THROW(FormatComplex(3, 1, 1e19), FloatError);
  EXPECT_THROW(FormatComplex(3, 1e19, 0), FloatError);
}

TEST(FormatComplex, EveryWrittenFormReadsBackAsTheValuesItShows) {
  const double parts[] = {0, 1, -1, 0.5, -2.25, 123.456, 1e-9, -7.125, 2147483.5, 0.0004};
  for (const int places : {2, 3, 9}) {
    const auto shown = [places](double v) { return TextToReal(StripZeros(RealToText(places, v))); };
    for (const double re : parts) {
      for (const double im : parts) {
        const ShortText text = FormatComplex(places, re, im);
        const Complex back = ParseComplex(text);
        EXPECT_EQ(back.re, shown(re)) << text.view();
        EXPECT_EQ(back.im, im == 1 || im == -1 ? im : shown(im)) << text.view();
      }
    }
  }
}

// The value a written text carries must be exactly what reading the text
// gives, bit for bit, or chains that skip the reading would drift.
TEST(ReadBackComplex, IsTheValueTheWrittenTextReadsBackAs) {
  const auto sameBits = [](double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
  };
  std::mt19937_64 rng(42);
  const double specials[] = {0.0, -0.0, 1.0, -1.0, 0.99999, -0.99999, 1e-17, -1e-17, 0.0004, -0.0005, 2147483647.9999,
                             3e9, -3e9, 0.5, NAN};
  std::uniform_real_distribution<double> magnitude(-8, 10);
  const auto draw = [&] {
    const auto pick = rng() % 4;
    if (pick == 0) return specials[rng() % std::size(specials)];
    const double v = std::pow(10.0, magnitude(rng));
    return pick == 1 ? v : pick == 2 ? -v : std::round(v * 1000) / 1000;
  };
  for (int trial = 0; trial < 20000; ++trial) {
    const int places = 2 + static_cast<int>(rng() % 8);
    const double re = draw(), im = draw();
    const ShortText text = FormatComplex(places, re, im);
    const Complex readBack = ReadBackComplex(places, {re, im});
    const Complex read = ParseComplex(text);
    ASSERT_TRUE(sameBits(readBack.re, read.re) && sameBits(readBack.im, read.im))
        << text.view() << " from " << re << ", " << im << " at " << places;
  }
}

TEST(IsZeroComplex, CountsOnlyTextsThatReadAsZero) {
  for (const char* text : {"0", "", "  ", "5i-5i", "0i", "abc", "0,000"}) EXPECT_TRUE(IsZeroComplex(text)) << text;
  for (const char* text : {"i", "-i", "3i", "0,5", "2+3i", "1e-300"}) EXPECT_FALSE(IsZeroComplex(text)) << text;
}

}  // namespace
}  // namespace zorvel
