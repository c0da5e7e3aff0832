#include "core/locale/NumberFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <vector>

#include "core/locale/SignificantDigits.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Sjis;
constexpr auto kNone = std::nullopt;
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr long double kInf = std::numeric_limits<long double>::infinity();

// Same value and same sign, so that -0 and 0 differ.
bool SameBits(long double a, long double b) { return a == b && std::signbit(a) == std::signbit(b); }

TEST(ParseInt32, ReadsDecimalAndHexadecimalIntegers) {
  const std::vector<std::pair<std::string, std::optional<std::int32_t>>> cases = {
      {"123", 123}, {"+5", 5}, {"-5", -5}, {"-0", 0}, {"   42", 42}, {"000000000000012", 12},
      {"2147483647", 2147483647}, {"-2147483648", kMin32}, {"$FF", 255}, {"$ff", 255},
      {"-$10", -16}, {"$FFFFFFFF", -1}, {"$80000000", kMin32}, {"$000000000001", 1},
      {"2147483648", kNone}, {"-2147483649", kNone}, {"99999999999999999999", kNone},
      {"$100000000", kNone}, {"$", kNone}, {"0x10", kNone}, {"12.5", kNone}, {"1 ", kNone},
      {"1,234", kNone}, {"- 5", kNone}, {"-", kNone}, {"", kNone}, {"1e3", kNone},
      {Sjis("１２"), kNone}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseInt32(text), expected) << '"' << text << '"';
}

TEST(ParseReal, AcceptsDecimalNumbersWithAnOptionalExponent) {
  const std::vector<std::pair<std::string, long double>> cases = {
      {"1.", 1}, {".5", 0.5L}, {"-1.5e-3", -1.5e-3L}, {" 12", 12}, {"+3", 3}, {"00012.500", 12.5L},
      {"0.1", 0.1L}, {"1E15", 1e15L}, {"1.5E-7", 1.5e-7L}, {"1e+2", 100}, {"-0", -0.0L},
      {"0e999999999999", 0}, {"123456789012345678901234567890", 123456789012345678901234567890.0L},
      {"1e-4940", 1e-4940L},  // subnormal
      {"1.18973149535723176502e4932", std::numeric_limits<long double>::max()}};
  for (const auto& [text, expected] : cases) {
    const auto value = ParseReal(text);
    ASSERT_TRUE(value.has_value()) << '"' << text << '"';
    EXPECT_TRUE(SameBits(*value, expected)) << '"' << text << "\" gave " << *value;
  }
  for (const std::string text : {"", " ", ".", "-", "+.", "1e", "1e+", "e5", ".e5", "1.2.3", "inf",
                                 "nan", "infinity", "0x10", "1 ", "1,5", "--1", "1d5", "1e5000",
                                 "-1e5000", "1.19e4932"}) {
    EXPECT_FALSE(ParseReal(text).has_value()) << '"' << text << '"';
  }
  EXPECT_FALSE(ParseReal(Sjis("１２")).has_value());
}

// Texts of every shape the quick conversion handles or hands on: short and
// long mantissas, points anywhere, exponents inside and outside its range,
// and exact ties between two long doubles.
std::vector<std::string> RealTexts() {
  std::mt19937_64 random(20240601);
  const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  std::vector<std::string> texts;
  for (int i = 0; i < 60000; ++i) {
    std::string text = below(4) == 0 ? "-" : "";
    const int length = 1 + below(24);
    const int point = below(length + 2) - 1;  // -1: no point
    for (int d = 0; d < length; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + (d == 0 && below(3) == 0 ? 0 : below(10)));
    }
    if (below(2) == 0) text += "e" + std::to_string(below(3) == 0 ? below(9000) - 4500 : below(80) - 40);
    texts.push_back(text);
  }
  for (int i = 0; i < 20000; ++i) {
    // Decimal renderings of random long doubles at 17 to 21 digits.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", 16 + below(5),
                  std::ldexp(static_cast<long double>(random()), below(200) - 130));
    texts.push_back(buffer);
    // An odd m with 10·m in [2^65, 2^66) puts 10·m exactly halfway between
    // two long doubles, which are 4 apart there.
    const std::uint64_t m = (3'689'348'814'741'910'324ULL + random() % 3'689'348'814'741'910'323ULL) | 1;
    texts.push_back(std::to_string(m) + (below(2) == 0 ? "0" : ".0e1"));
  }
  return texts;
}

TEST(ParseReal, GivesTheCLibrarysValueBitForBit) {
  ASSERT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  for (const std::string& text : RealTexts()) {
    const long double expected = std::strtold(text.c_str(), nullptr);
    const auto value = ParseReal(text);
    ASSERT_EQ(value.has_value(), !std::isinf(expected)) << text;
    EXPECT_TRUE(!value || SameBits(*value, expected)) << text;
  }
}

TEST(FormatGeneral, WritesAtMostFifteenSignificantDigits) {
  const std::vector<std::pair<long double, std::string>> cases = {
      {0, "0"}, {-0.0L, "0"}, {-12.5L, "-12.5"}, {100, "100"}, {1.0L / 3, "0.333333333333333"},
      {2.0L / 3, "0.666666666666667"}, {0.1, "0.1"}, {0.1L + 0.2L, "0.3"},
      {123456789012345, "123456789012345"}, {-1e14L, "-100000000000000"}, {1e15L, "1E15"},
      {999999999999999.9L, "1E15"}, {1234567890123456, "1.23456789012346E15"}, {1.5e-7L, "1.5E-7"},
      {0.0001L, "0.0001"}, {0.00001L, "1E-5"}, {0.00009999999999999999L, "0.0001"},
      {0.000123456L, "0.000123456"}, {-1.5e-300L, "-1.5E-300"}, {1e-4000L, "1E-4000"},
      {kInf, "INF"}, {-kInf, "-INF"}, {std::numeric_limits<long double>::quiet_NaN(), "NAN"}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(FormatGeneral(value), expected);
}

bool SameDigits(const DecimalDigits& a, const DecimalDigits& b) {
  return a.negative == b.negative && a.exponent == b.exponent && a.count == b.count &&
         std::equal(a.digits.begin(), a.digits.begin() + a.count, b.digits.begin());
}

TEST(RoundToSignificant, QuickAndExactRoundingAgree) {
  std::mt19937_64 random(7);
  const auto tenTo = [](int k) { return std::pow(10.0L, k); };
  std::vector<long double> typical;  // what cells hold: integers and a few decimals
  std::vector<long double> other;
  for (int i = 0; i < 50000; ++i) {
    typical.push_back(std::trunc(static_cast<long double>(random() % 1'000'000'000'000'000ULL) /
                                 tenTo(static_cast<int>(random() % 15))));
    typical.push_back(static_cast<long double>(random() % 100'000'000) / tenTo(1 + static_cast<int>(random() % 6)));
    other.push_back(std::ldexp(static_cast<long double>(random()), -63) * tenTo(static_cast<int>(random() % 22) - 6));
    other.push_back(static_cast<long double>(random() % 1'000'000'000) / static_cast<long double>(1 + random() % 999));
  }
  for (int k = -6; k <= 16; ++k) {
    other.insert(other.end(), {tenTo(k), std::nextafter(tenTo(k), 0.0L), std::nextafter(tenTo(k), kInf)});
  }
  int quickCount = 0;
  for (const long double value : typical) {
    const auto quick = RoundToSignificantQuick(value);
    quickCount += quick.has_value();
    ASSERT_TRUE(!quick || SameDigits(*quick, RoundToSignificantExact(value))) << FormatGeneral(value);
  }
  EXPECT_GT(quickCount, static_cast<int>(typical.size() * 99 / 100));
  for (const long double value : other) {
    const auto quick = RoundToSignificantQuick(value);
    ASSERT_TRUE(!quick || SameDigits(*quick, RoundToSignificantExact(value))) << FormatGeneral(value);
  }
  // An exact tie in the sixteenth digit is left to the exact conversion,
  // which rounds it to even.
  EXPECT_FALSE(RoundToSignificantQuick(123456789012345.5L).has_value());
  EXPECT_EQ(FormatGeneral(123456789012345.5L), "123456789012346");
  EXPECT_EQ(FormatGeneral(123456789012344.5L), "123456789012344");
}

TEST(FormatFloat, RoundsToFifteenDigitsThenToTheDecimals) {
  struct Case {
    long double value;
    FloatStyle style;
    int decimals;
    std::string expected;
  };
  using enum FloatStyle;
  const std::vector<Case> cases = {
      {3, Fixed, 2, "3.00"}, {1234.5L, Number, 2, "1,234.50"}, {1234.567L, Number, 2, "1,234.57"},
      {-1234.567L, Fixed, 1, "-1234.6"}, {2.5L, Fixed, 0, "3"}, {-2.5L, Fixed, 0, "-3"},
      {0.125L, Fixed, 2, "0.13"},
      {1.005L, Fixed, 2, "1.01"},  // 1.00499999… is 1.00500000000000 at fifteen digits
      {9.996L, Fixed, 2, "10.00"}, {999.999L, Number, 2, "1,000.00"}, {-0.0L, Fixed, 2, "0.00"},
      {-0.001L, Fixed, 2, "0.00"}, {-0.005L, Fixed, 2, "-0.01"}, {0.0005L, Fixed, 3, "0.001"},
      {1e-20L, Fixed, 2, "0.00"}, {5e-19L, Fixed, 18, "0.000000000000000001"},
      {4e-19L, Fixed, 18, "0.000000000000000000"}, {1.0L / 3, Fixed, 18, "0.333333333333333000"},
      {1.5L, Fixed, 25, "1.500000000000000000"}, {1.5L, Fixed, -1, "2"},
      {999999999999999, Number, 0, "999,999,999,999,999"},
      {123456789012345678.0L, Number, 2, "1.23456789012346E17"}, {-1e16L, Currency, 0, "-1E16"},
      {-123456, Number, 0, "-123,456"}, {0, Currency, 0, "\\0"}, {-1234, Currency, 0, "-\\1,234"},
      {1234567.891L, Currency, 2, "\\1,234,567.89"}, {-0.4L, Currency, 0, "\\0"}};
  for (const Case& c : cases) EXPECT_EQ(FormatFloat(c.value, c.style, c.decimals), c.expected);
}

TEST(FormatInteger, GroupsThousandsOnRequest) {
  EXPECT_EQ(FormatInteger(0, true), "0");
  EXPECT_EQ(FormatInteger(999, true), "999");
  EXPECT_EQ(FormatInteger(-1234567, true), "-1,234,567");
  EXPECT_EQ(FormatInteger(-1234567, false), "-1234567");
  EXPECT_EQ(FormatInteger(std::numeric_limits<std::int64_t>::min(), true), "-9,223,372,036,854,775,808");
}

}  // namespace
}  // namespace tabulo
