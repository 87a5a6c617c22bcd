#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ComplexArithmetic.h"
#include "FloatError.h"
#include "Messages.h"

namespace zorvel {
namespace {

const std::string kTooLarge(kTooLargeNumber);

using Operation = ShortText (*)(std::string_view, std::string_view, int);

struct OperationCase {
  const char* name;
  Operation op;
  std::string a;
  std::string b;
  int places;
  std::string result;
};

TEST(ComplexArithmetic, ComputesAndRoundsEachOperation) {
  const OperationCase cases[] = {
      {"add", ComplexAdd, "1+2i", "3-i", 3, "4+i"},
      {"sub", ComplexSub, "1+2i", "3-i", 3, "-2+3i"},
      {"mul", ComplexMul, "1+2i", "3-i", 3, "5+5i"},
      {"div", ComplexDiv, "1+2i", "3-4i", 3, "-0,2+0,4i"},
      {"div", ComplexDiv, "1", "1+i", 3, "0,5-0,5i"},
      {"div", ComplexDiv, "1", "3", 3, "0,333"},
      {"div", ComplexDiv, "1", "3", 2, "0,33"},
      {"div", ComplexDiv, "5", "2i", 3, "-2,5i"},
      {"div", ComplexDiv, "2i", "i", 3, "2"},
      {"div", ComplexDiv, "7", "2", 3, "3,5"},
      {"div", ComplexDiv, "1", "0,001", 3, "1000"},
      {"div", ComplexDiv, "1", "2+3i", 3, "0,154-0,231i"},
      {"mul", ComplexMul, "i", "i", 3, "-1"},
      {"mul", ComplexMul, "-1.0", "2-3i", 3, "-2+3i"},
      {"mul", ComplexMul, "2,5", "2,5", 3, "6,25"},
      {"mul", ComplexMul, "0,1231", "-1.0", 3, "-0,123"},
      {"sub", ComplexSub, "1", "1", 3, "0"},
      {"sub", ComplexSub, "i", "i", 3, "0"},
      {"add", ComplexAdd, "0,0004", "0,0004", 3, "0,001"},
      {"add", ComplexAdd, "0,0004", "0,0004", 2, "0"},
      {"add", ComplexAdd, "2-0,0002i", "0", 3, "2+0i"},
      {"add", ComplexAdd, "", "", 3, "0"},
      {"add", ComplexAdd, "abc", "1,5x", 3, "15"},
      {"mul", ComplexMul, "0,09", "0,41", 2, "0,04"},
      {"mul", ComplexMul, "0,3", "0,677", 2, "0,2"},
      {"mul", ComplexMul, "2147483647", "1", 3, "2147483647"},
      {"mul", ComplexMul, "65536", "32768", 3, kTooLarge},
      {"add", ComplexAdd, "2147483647", "1i", 3, "2147483647+i"},
      {"add", ComplexAdd, "2147483647", "2147483647i", 3, "2147483647+2147483647i"},
      {"mul", ComplexMul, "-3,25+1,5i", "12,345-6,789i", 9, "-29,93775+40,58175i"},
      {"add", ComplexAdd, "1e10+1e10i", "0", 3, kTooLarge},
      {"add", ComplexAdd, "1e10", "2i", 3, kTooLarge + "+2i"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + c.a + " " + c.b + " @" + std::to_string(c.places));
    EXPECT_EQ(c.op(c.a, c.b, c.places), c.result);
  }
}

TEST(ComplexArithmetic, RoundsAfterEveryStepOfAChain) {
  EXPECT_EQ(ComplexMul(ComplexDiv("1", "3", 3), "3", 3), "0,999");
  EXPECT_EQ(ComplexMul(ComplexDiv("1", "3", 2), "3", 2), "0,99");
}

struct ErrorCase {
  Operation op;
  std::string a;
  std::string b;
  FloatError::Kind kind;
  const char* message;
};

// Digits beyond the extended range: their reading overflows.
const std::string kBeyondExtended = std::string(5000, '9') + "E-10000";

TEST(ComplexArithmetic, FloatingPointErrorsCarryTheirMessages) {
  const ErrorCase cases[] = {
      {ComplexDiv, "1", "0", FloatError::Kind::InvalidOperation, "Invalid floating point operation"},
      {ComplexDiv, "0", "0", FloatError::Kind::InvalidOperation, "Invalid floating point operation"},
      {ComplexDiv, "1", "", FloatError::Kind::InvalidOperation, "Invalid floating point operation"},
      {ComplexMul, "1E200", "1E200", FloatError::Kind::Overflow, "Floating point overflow"},
      {ComplexAdd, "1E308", "1E308", FloatError::Kind::Overflow, "Floating point overflow"},
      {ComplexDiv, "1E300", "1E-300", FloatError::Kind::Overflow, "Floating point overflow"},
      {ComplexMul, "1E10", "1E10", FloatError::Kind::InvalidOperation, "Invalid floating point operation"},
      {ComplexSub, "1E400", "1", FloatError::Kind::Overflow, "Floating point overflow"},
      // The first operand is read first, then the second, before anything is
      // computed: a reading error comes before the division's own error.
      {ComplexAdd, kBeyondExtended, "1E400", FloatError::Kind::Overflow, "Floating point overflow"},
      {ComplexMul, "1", kBeyondExtended, FloatError::Kind::Overflow, "Floating point overflow"},
      {ComplexDiv, "0", kBeyondExtended, FloatError::Kind::Overflow, "Floating point overflow"},
      {ComplexDiv, kBeyondExtended, "0", FloatError::Kind::Overflow, "Floating point overflow"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.a.substr(0, 12) + " " + c.b.substr(0, 12));
    try {
      c.op(c.a, c.b, 3);
      ADD_FAILURE() << "no error";
    } catch (const FloatError& e) {
      EXPECT_EQ(e.kind(), c.kind);
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(ComplexArithmetic, AFailedOperationLeavesTheTargetUnchanged) {
  ShortText target("7");
  EXPECT_THROW(target = ComplexDiv("1", "0", 3), FloatError);
  EXPECT_EQ(target, "7");
}

// The too-large message propagates like a NaN: whatever reads it writes the
// message alone, and never a plausible number.
TEST(ComplexArithmetic, TheTooLargeMessagePropagatesThroughEveryOperation) {
  const Operation operations[] = {ComplexAdd, ComplexSub, ComplexMul, ComplexDiv};
  for (const Operation op : operations) {
    EXPECT_EQ(op(kTooLarge, "2", 3), kTooLarge);
    EXPECT_EQ(op("2", kTooLarge, 3), kTooLarge);
    EXPECT_EQ(op(kTooLarge + "+2i", "0", 3), kTooLarge);
    EXPECT_EQ(op("0", kTooLarge + "-i", 3), kTooLarge);
  }
  // The reciprocal of a too-large determinant, and a chain through it.
  EXPECT_EQ(ComplexDiv("1", kTooLarge, 3), kTooLarge);
  const ShortText product = ComplexMul("65536", "32768", 3);  // too large
  const ShortText sum = ComplexAdd(product, "-2147483648", 3);
  const ShortText back = ComplexSub(ComplexMul(sum, "0", 3), "1", 3);
  EXPECT_EQ(product, kTooLarge);
  EXPECT_EQ(sum, kTooLarge);
  EXPECT_EQ(back, kTooLarge);
}

}  // namespace
}  // namespace zorvel
