#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "FloatError.h"
#include "Messages.h"
#include "NumberText.h"
#include "TextOps.h"

namespace zorvel {
namespace {

const std::string kTooLarge(kTooLargeNumber);

struct RealToTextCase {
  double x;
  const char* places3;
  const char* stripped3;
  const char* places2;
  const char* stripped2;
};

TEST(RealToText, RoundsUpFromHalfAUnitWithDecimalTiesUp) {
  const RealToTextCase cases[] = {
      {0, "0,000", "0", "0,00", "0"},
      {1, "1,000", "1", "1,00", "1"},
      {-1, "-1,000", "-1", "-1,00", "-1"},
      {0.5, "0,500", "0,5", "0,50", "0,5"},
      {2.675, "2,675", "2,675", "2,68", "2,68"},
      {1.0 / 3, "0,333", "0,333", "0,33", "0,33"},
      {2.0 / 3, "0,667", "0,667", "0,67", "0,67"},
      {-0.0004, "0,000", "0", "0,00", "0"},
      {-0.0005, "-0,001", "-0,001", "0,00", "0"},
      {0.0996, "0,100", "0,1", "0,10", "0,1"},
      {0.995, "0,995", "0,995", "1,00", "1"},
      {9.995, "9,995", "9,995", "10,00", "10"},
      // What follows the last digit: 0.46 and 0.45 of a unit stay, half goes up.
      {1.23446, "1,234", "1,234", "1,23", "1,23"},
      {0.24645, "0,246", "0,246", "0,25", "0,25"},
      {0.0245, "0,025", "0,025", "0,02", "0,02"},
      {0.3245, "0,325", "0,325", "0,32", "0,32"},
      // Decimal ties lie just below the half in binary and still go up.
      {1.0005, "1,001", "1,001", "1,00", "1"},
      {0.0545, "0,055", "0,055", "0,05", "0,05"},
      {1.0245, "1,025", "1,025", "1,02", "1,02"},
      {0.125, "0,125", "0,125", "0,13", "0,13"},
      {999999.9999, "1000000,000", "1000000", "1000000,00", "1000000"},
      {10000000, "10000000,000", "10000000", "10000000,00", "10000000"},
      {2147483647.4, "2147483647,400", "2147483647,4", "2147483647,40", "2147483647,4"},
      {2147483648.0, kTooLarge.c_str(), kTooLarge.c_str(), kTooLarge.c_str(), kTooLarge.c_str()},
      {-3e9, kTooLarge.c_str(), kTooLarge.c_str(), kTooLarge.c_str(), kTooLarge.c_str()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(RealToText(3, c.x), c.places3);
    EXPECT_EQ(StripZeros(RealToText(3, c.x)), c.stripped3);
    EXPECT_EQ(RealToText(2, c.x), c.places2);
    EXPECT_EQ(StripZeros(RealToText(2, c.x)), c.stripped2);
  }
}

TEST(RealToText, HonoursEveryPlaceCount) {
  EXPECT_EQ(RealToText(9, 0.5), "0,500000000");
  EXPECT_EQ(RealToText(9, 0.05), "0,050000000");
  EXPECT_EQ(RealToText(0, 2.5), "3,0");
  EXPECT_EQ(RealToText(0, 2.4), "2,0");
  EXPECT_EQ(RealToText(0, 0.5), "1,0");
  EXPECT_EQ(RealToText(0, 0.45), "0,0");
  EXPECT_EQ(RealToText(0, 0.4999995), "1,0");  // within the tie band
  EXPECT_EQ(RealToText(0, 0.499998), "0,0");
  EXPECT_EQ(RealToText(3, -0.0), "0,000");
}

TEST(RealToText, CarryPastThe32BitRangeIsTooLargeNeverWrapped) {
  EXPECT_EQ(RealToText(3, 2147483647.9999), kTooLarge);
  EXPECT_EQ(RealToText(3, -2147483647.9999), kTooLarge);
  EXPECT_EQ(RealToText(0, 2147483647.5), kTooLarge);
  EXPECT_EQ(RealToText(3, 2147483647.9994), "2147483647,999");
}

TEST(RealToText, FailsBeyondTheIntegerRange) {
  for (const double x : {9223372036854775808.0, -1e300, double(INFINITY), double(NAN)}) {
    SCOPED_TRACE(x);
    try {
      RealToText(3, x);
      ADD_FAILURE() << "no error";
    } catch (const FloatError& e) {
      EXPECT_EQ(e.kind(), FloatError::Kind::InvalidOperation);
      EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
  }
  EXPECT_EQ(RealToText(3, 9223372036854774784.0), kTooLarge);  // just below 2^63
}

TEST(StripZeros, RemovesOnlyRedundantZeros) {
  const std::pair<const char*, const char*> cases[] = {
      {"-2,000", "-2"}, {"10,0", "10"},       {"100", "100"},
      {"0,", "0"},      {"0", "0"},           {"007", "7"},
      {"0,5", "0,5"},   {"1,5E10", "1,5E10"}, {"2,00 10^3", "2,00 10^3"},
      {"2,500", "2,5"}, {"3,000", "3"},       {"1,50 ", "1,5"},
      {"", ""},         {"00", "0"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(StripZeros(text), expected) << text;
  EXPECT_EQ(StripZeros(kTooLargeNumber), kTooLarge);
}

TEST(TextToReal, ReadsWhatFitsAndThePartialValueOtherwise) {
  const std::pair<const char*, double> cases[] = {
      {"2,5+3i", 25},
      {"-3i", 3},
      {"3i", 3},
      {"i", 0},
      {"-i", 0},
      {"12abc", 12},
      {"1,5,3", 15},
      {"-2,5x", 25},
      {"", 0},
      {".", 0},
      {"E5", 0},
      {"1e", 1},
      {" 2 ", 2},
      {"1.5", 1.5},
      {"2,5", 2.5},
      {"-2,5", -2.5},
      {"1,5e2", 150},
      {"1E-3", 0.001},
      {"+7", 7},
      {"-", 0},
      {"+", 0},
      {"1.5.3", 15},
      {"\t-4\n", -4},
      {"1,", 1},
      {",5", 0.5},
      // Stopping inside or after an exponent keeps the digits before its mark.
      {"1e5x", 1},
      {"2,5e3x", 25},
      {"-6e+3i", 6},
      {"1e+", 1},
      {"3e-x", 3},
      {"1e400x", 1},
      {"1e-400", 0},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(TextToReal(text), expected) << text;
  EXPECT_EQ(TextToReal("0.1"), 0.1);
  EXPECT_EQ(TextToReal("2,675"), 2.675);
}

TEST(TextToReal, OverflowsBeyondTheDoubleRange) {
  const std::string hugeDigits(400, '9');
  // Digits beyond even the extended range overflow while they are read,
  // whatever exponent follows: never infinity / infinity, an invalid operation.
  const std::string beyondExtended(5000, '9');
  for (const std::string& text : {std::string("1e400"), std::string("-2E309"), hugeDigits, hugeDigits + "x",
                                  beyondExtended + "E-10000", "0," + beyondExtended + "E-100", beyondExtended + "x"}) {
    try {
      TextToReal(text);
      ADD_FAILURE() << text;
    } catch (const FloatError& e) {
      EXPECT_EQ(e.kind(), FloatError::Kind::Overflow);
      EXPECT_STREQ(e.what(), "Floating point overflow");
    }
  }
}

TEST(TextToInt, ReadsDecimalAndHexWithThePartialValueOnFailure) {
  const std::pair<const char*, std::int64_t> cases[] = {
      {" 42 ", 42},
      {"12abc", 12},
      {"-5a", 5},
      {"abc", 0},
      {"", 0},
      {"$1F", 31},
      {"x1F", 31},
      {"0x1F", 31},
      {"0X1f", 31},
      {"-7", -7},
      {"+7", 7},
      {"-", 0},
      {"$", 0},
      {"-$10", 16},
      {"007", 7},
      {"2147483647", 2147483647},
      {"2147483648", -2147483648},
      {"-2147483648", -2147483648},
      {"21474836470", 2147483647},
      {"99999999999", 999999999},
      {"$FFFFFFFF", -1},
      {"$123456789", 0x12345678},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(TextToInt(text), expected) << text;
}

TEST(TryTextToInt, AcceptsOnlyWholeValidIntegers) {
  EXPECT_EQ(TryTextToInt(" 12 "), 12);
  EXPECT_EQ(TryTextToInt("$1F"), 31);
  EXPECT_EQ(TryTextToInt("-2147483648"), -2147483648);
  for (const char* text : {"", "-", "12abc", "2147483648", "1,5", "abc"}) {
    EXPECT_FALSE(TryTextToInt(text).has_value()) << text;
  }
}

TEST(IntToText, WritesPlainDecimal) {
  EXPECT_EQ(IntToText(0), "0");
  EXPECT_EQ(IntToText(-17), "-17");
  EXPECT_EQ(IntToText(1234567890123), "1234567890123");
}

TEST(RealToDigits, WritesTheSignFactorForm) {
  const std::pair<double, const char*> cases[] = {{1.0, "1.0"},   {-1.0, "-1.0"}, {2.5, "2.5"},
                                                  {0.05, "0.05"}, {0.0, "0.0"},   {10.25, "10.25"}};
  for (const auto& [x, expected] : cases) EXPECT_EQ(RealToDigits(x), expected) << x;
}

TEST(PowerOf, MultipliesRepeatedly) {
  EXPECT_EQ(PowerOf(0, -1), 1.0);
  EXPECT_EQ(PowerOf(1, -1), -1.0);
  EXPECT_EQ(PowerOf(2, -1), 1.0);
  EXPECT_EQ(PowerOf(7, -1), -1.0);
  EXPECT_EQ(PowerOf(10, 2), 1024.0);
  EXPECT_THROW(PowerOf(3, 1e200), FloatError);
}

TEST(UpperCaseCE, UpperCasesSlovakAndCzechLettersOnly) {
  EXPECT_EQ(UpperCaseCE("abc xyz 1,5i"), "ABC XYZ 1,5I");
  // š ť ž ľ ŕ á ä ĺ č é ě í ď ň ó ô ő ř ů ú ü ý
  EXPECT_EQ(UpperCaseCE("\x9A\x9D\x9E\xBE\xE0\xE1\xE4\xE5\xE8\xE9\xEC\xED\xEF\xF2\xF3\xF4\xF5\xF8\xF9\xFA\xFC\xFD"),
            "\x8A\x8D\x8E\xBC\xC0\xC1\xC4\xC5\xC8\xC9\xCC\xCD\xCF\xD2\xD3\xD4\xD5\xD8\xD9\xDA\xDC\xDD");
  // ś ź ł ą ć ę ń ö ţ stay lower case
  const std::string unchanged = "\x9C\x9F\xB3\xB9\xE6\xEA\xF1\xF6\xFE";
  EXPECT_EQ(UpperCaseCE(unchanged), unchanged);
}

TEST(DeleteAll, RemovesEveryOccurrenceIncludingThoseJoinsCreate) {
  EXPECT_EQ(DeleteAll("I", "2I3"), "23");
  EXPECT_EQ(DeleteAll("I", "I"), "");
  EXPECT_EQ(DeleteAll("ab", "aabb"), "");
  EXPECT_EQ(DeleteAll("ab", "xaabbyab"), "xy");
  EXPECT_EQ(DeleteAll("", "abc"), "abc");
  EXPECT_EQ(DeleteAll("aba", "ababa"), "ba");
}

TEST(DeleteAll, IsLinearOnAMillionCharacters) {
  std::string text;
  for (int i = 0; i < 250000; ++i) text += "aIbI";
  EXPECT_EQ(DeleteAll("I", text).size(), 500000u);
  EXPECT_EQ(DeleteAll("ab", std::string(500000, 'a') + std::string(500000, 'b')), "");
}

}  // namespace
}  // namespace zorvel
