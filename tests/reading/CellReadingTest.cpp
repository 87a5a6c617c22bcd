// How one cell text is read for both modes: the program's own texts keep
// their values, the forms people write are read whole, near misses stay
// marked with their reason.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "CellReading.h"
#include "ComplexText.h"
#include "HandText.h"
#include "ShownForms.h"

namespace zorvel {
namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

mpq_class Q(const char* text) {
  mpq_class q(text);
  q.canonicalize();
  return q;
}

TEST(CellReading, KeepsTheProgramsOwnReadingOfEveryText) {
  // Read whole today, and read only in part today: the same value either way.
  for (const char* text : {"", "2", "-2,5", "2.5", "1E3", "i", "-i", "3-0,25i", "2+i", " 7 ", "0,1+0,2i", "abc",
                           "1,5.2", "2,5+3x", "--1", "12 34"}) {
    SCOPED_TRACE(text);
    const ComplexReading today = ReadComplex(text);
    const CellReading cell = ReadCell(text, true);
    if (today.whole) {
      EXPECT_EQ(cell.form, CellForm::Today);
      EXPECT_TRUE(cell.handText.empty());
    }
    EXPECT_EQ(cell.whole, today.whole);
    EXPECT_TRUE(SameBits(cell.hand.re, today.value.re) && SameBits(cell.hand.im, today.value.im));
  }
}

struct NewForm {
  const char* text;
  CellForm form;
  const char* re;  // the exact parts, as GMP reads a fraction
  const char* im;
};

TEST(CellReading, ReadsTheFormsPeopleWriteExactlyAndToDoublePrecision) {
  const NewForm cases[] = {
      {"1/3", CellForm::Fraction, "1/3", "0"},
      {"-2/3", CellForm::Fraction, "-2/3", "0"},
      {"1,5/4", CellForm::Fraction, "3/8", "0"},
      {"2/3i", CellForm::Fraction, "0", "2/3"},
      {"1/2-3/4i", CellForm::Fraction, "1/2", "-3/4"},
      {" 1 / 2 - 3 / 4 i ", CellForm::Fraction, "1/2", "-3/4"},
      {"(1+i)/2", CellForm::Fraction, "1/2", "1/2"},
      {"(3-2i)/(1+i)", CellForm::Fraction, "1/2", "-5/2"},
      {"3+4j", CellForm::Written, "3", "4"},
      {"3+j4", CellForm::Written, "3", "4"},
      {"-j", CellForm::Written, "0", "-1"},
      {"J2,5", CellForm::Written, "0", "5/2"},
      {"1500+200j", CellForm::Written, "1500", "200"},
      {"1 234,5", CellForm::Written, "2469/2", "0"},
      {"-12 345 678", CellForm::Written, "-12345678", "0"},
      {"1\xA0"
       "234",
       CellForm::Written, "1234", "0"},
      {"1\x88"
       "234+5i",
       CellForm::Written, "1234", "5"},
      {"4,7k", CellForm::Written, "4700", "0"},
      {"-1,2k", CellForm::Written, "-1200", "0"},
      {"3K", CellForm::Written, "3000", "0"},
      {"2,2\xB5", CellForm::Written, "11/5000000", "0"},
      {"2,2\x83", CellForm::Written, "11/5000000", "0"},
      {"5u", CellForm::Written, "1/200000", "0"},
      {"10m", CellForm::Written, "1/100", "0"},
      {"1M", CellForm::Written, "1000000", "0"},
      {"2G", CellForm::Written, "2000000000", "0"},
      {"3n", CellForm::Written, "3/1000000000", "0"},
      {"1p", CellForm::Written, "1/1000000000000", "0"},
      {"2ki", CellForm::Written, "0", "2000"},
      {"1k/3", CellForm::Fraction, "1000/3", "0"},
      {"1\x81"
       "90\xB0",
       CellForm::Polar, "0", "1"},
      {"2\x81"
       "180",
       CellForm::Polar, "-2", "0"},
      {"2<-90", CellForm::Polar, "0", "-2"},
      {"3 \x81 450 \xB0", CellForm::Polar, "0", "3"},
      {"1k\x81"
       "0rad",
       CellForm::Polar, "1000", "0"},
      {"230\x81"
       "30\xB0",
       CellForm::Polar, "1991858428704208887556563292731753221984/10000000000000000000000000000000000000", "115"},
      {"4,7k\x81-45\xB0", CellForm::Polar,
       "3323401871576773364683968501892790484639/1000000000000000000000000000000000000",
       "-3323401871576773364683968501892790484639/1000000000000000000000000000000000000"},
      {"1<0,5rad", CellForm::Polar,
       "8775825618903727161162815826038296519916/10000000000000000000000000000000000000000",
       "4794255386042030002732879352155713880818/10000000000000000000000000000000000000000"},
  };
  for (const NewForm& c : cases) {
    SCOPED_TRACE(c.text);
    const CellReading cell = ReadCell(c.text, true);
    EXPECT_TRUE(cell.whole);
    EXPECT_EQ(cell.form, c.form);
    EXPECT_EQ(cell.exact.re, Q(c.re));
    EXPECT_EQ(cell.exact.im, Q(c.im));
    // By hand: each part to double precision.
    EXPECT_DOUBLE_EQ(cell.hand.re, Q(c.re).get_d());
    EXPECT_DOUBLE_EQ(cell.hand.im, Q(c.im).get_d());
    // The hand arithmetic's text reads back as the hand value, bit for bit.
    const Complex back = ParseComplex(cell.handText);
    EXPECT_TRUE(SameBits(back.re, cell.hand.re) && SameBits(back.im, cell.hand.im)) << cell.handText;
  }
  EXPECT_EQ(ReadCell("1/3").hand.re, 1.0 / 3.0);
  EXPECT_EQ(ReadCell("2,2\xB5").hand.re, ParseComplex("0,0000022").re);  // as the decimal it names
  EXPECT_EQ(ReadCell("230\x81"
                     "30\xB0")
                .hand.im,
            115.0);
  EXPECT_FALSE(ReadCell("1\x81"
                        "90\xB0",
                        true)
                   .approximate);
  EXPECT_TRUE(ReadCell("230\x81"
                       "30\xB0",
                       true)
                  .approximate);
}

TEST(CellReading, NearMissesStayMarkedWithTheFormTheyNearlyFit) {
  const struct {
    const char* text;
    CellMiss miss;
  } cases[] = {
      {"2i+3j", CellMiss::BothUnits}, {"1//2", CellMiss::Fraction},    {"1/2/3", CellMiss::Fraction},
      {"230\x81", CellMiss::Polar},   {"230<30<4", CellMiss::Polar},   {"4,7kk", CellMiss::None},
      {"10mrad", CellMiss::None},     {"1/0", CellMiss::ZeroDivision}, {"(1+i)/(2-2+0i)", CellMiss::ZeroDivision},
      {"1 2345", CellMiss::None},     {"1E3k", CellMiss::None},        {"<b>x</b>", CellMiss::None},
      {"(1+i", CellMiss::None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const CellReading cell = ReadCell(c.text, true);
    EXPECT_FALSE(cell.whole);
    EXPECT_EQ(cell.form, CellForm::NotRead);
    EXPECT_EQ(cell.miss, c.miss);
    // The value is the program's own partial reading.
    const Complex today = ParseComplex(c.text);
    EXPECT_TRUE(SameBits(cell.hand.re, today.re) && SameBits(cell.hand.im, today.im));
  }
  EXPECT_EQ(MissReason(CellMiss::ZeroDivision), "delenie nulou");
}

TEST(CellReading, ReadsEveryDigitExactlyWhereTheHandReadingEnds) {
  // 10^-402 and a number of 5,000 digits below 10: exactly what they say.
  EXPECT_EQ(ReadCell("1e-402", true).exact.re, mpq_class(mpz_class(1), mpz_class("1" + std::string(402, '0'))));
  const std::string many = "1," + std::string(4998, '0') + "1";
  const CellReading cell = ReadCell(many, true);
  EXPECT_EQ(cell.miss, CellMiss::TooManyDigits);
  EXPECT_FALSE(cell.whole);
  EXPECT_FALSE(cell.error);
  EXPECT_EQ(cell.exact.re, 1 + mpq_class(mpz_class(1), mpz_class("1" + std::string(4999, '0'))));
  EXPECT_EQ(cell.hand.re, 1.0);
  // Beyond the double range stays the overflow error, as it always was.
  EXPECT_EQ(ReadCell("1e999").error, FloatError::Kind::Overflow);
}

TEST(HandText, ReadsBackAsTheSameDoublesForAnyValue) {
  std::mt19937_64 random(27);
  std::uniform_int_distribution<std::uint64_t> bits;
  for (int i = 0; i < 20000; ++i) {
    double re = 0;
    double im = 0;
    const std::uint64_t a = bits(random), b = bits(random);
    std::memcpy(&re, &a, sizeof re);
    std::memcpy(&im, &b, sizeof im);
    // Values the hand arithmetic holds: finite, below its 2^63 bound.
    if (!std::isfinite(re) || !std::isfinite(im) || std::abs(re) > 1e18 || std::abs(im) > 1e18) continue;
    if (std::abs(re) < 1e-300 || std::abs(im) < 1e-300) continue;
    const std::string text = HandText({re, im});
    const Complex back = ParseComplex(text);
    ASSERT_TRUE(back.re == re && back.im == im) << text;
  }
}

TEST(ShownForms, WritesEachFormSoThatItReadsBack) {
  const struct {
    NumberForm form;
    ImaginaryUnit unit;
    bool significant;
    int digits;
    const char* re;
    const char* im;
    const char* shown;
  } cases[] = {
      {NumberForm::Rectangular, ImaginaryUnit::I, false, 3, "1/4", "1/8", "0,25+0,125i"},
      {NumberForm::Rectangular, ImaginaryUnit::J, false, 2, "4/25", "11/50", "0,16+j0,22"},
      {NumberForm::Rectangular, ImaginaryUnit::J, false, 2, "0", "-1", "-j"},
      {NumberForm::Rectangular, ImaginaryUnit::J, false, 2, "0", "2", "j2"},
      {NumberForm::Fraction, ImaginaryUnit::I, false, 3, "-3/250", "-13/750", "-3/250-13/750i"},
      {NumberForm::Fraction, ImaginaryUnit::I, false, 3, "7", "0", "7"},
      {NumberForm::Fraction, ImaginaryUnit::J, false, 3, "1/2", "3/4", "1/2+j3/4"},
      {NumberForm::Rectangular, ImaginaryUnit::I, true, 4, "4068/10000000000000", "0", "4,068E-10"},
      {NumberForm::Rectangular, ImaginaryUnit::I, true, 4, "-2093000000", "874000000", "-2,093E+9+874000000i"},
      {NumberForm::Rectangular, ImaginaryUnit::I, true, 2, "1/8", "0", "0,13"},
      {NumberForm::Rectangular, ImaginaryUnit::I, true, 3, "0", "0", "0"},
      {NumberForm::Polar, ImaginaryUnit::I, false, 3, "240", "115",
       "266,13\x81"
       "25,602\xB0"},
      {NumberForm::Polar, ImaginaryUnit::I, false, 2, "-1", "0",
       "1\x81"
       "180\xB0"},
      {NumberForm::Polar, ImaginaryUnit::I, false, 2, "-1", "-1/1000000",
       "1\x81"
       "180\xB0"},
      {NumberForm::Polar, ImaginaryUnit::I, false, 2, "0", "-3", "3\x81-90\xB0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    const ExactComplex value{Q(c.re), Q(c.im)};
    const std::string shown = WriteShown({c.form, c.unit, c.significant}, c.digits, value);
    EXPECT_EQ(shown, c.shown);
    EXPECT_TRUE(ReadCell(shown).whole);
    if (c.form == NumberForm::Fraction) {
      EXPECT_EQ(ReadCell(shown, true).exact.re, value.re);
    }
  }
  // By hand: the rectangular text the arithmetic wrote, in the chosen form.
  EXPECT_EQ(ShownHandText({NumberForm::Polar}, 3, "240+115i"),
            "266,13\x81"
            "25,602\xB0");
  EXPECT_EQ(ShownHandText({NumberForm::Rectangular, ImaginaryUnit::J}, 3, "2-0,5i"), "2-j0,5");
  EXPECT_EQ(ShownHandText({NumberForm::Rectangular, ImaginaryUnit::J}, 3, "-i"), "-j");
  EXPECT_EQ(ShownHandText({NumberForm::Polar}, 3, "Pr\xEDli\x9A ve\xBEk\xE9 \xE8\xEDslo"),
            "Pr\xEDli\x9A ve\xBEk\xE9 \xE8\xEDslo");
}

}  // namespace
}  // namespace zorvel
