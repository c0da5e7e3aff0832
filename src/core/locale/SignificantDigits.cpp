#include "core/locale/SignificantDigits.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "core/locale/PowersOfTen.h"

namespace tabulo {
namespace {

constexpr std::uint64_t kTopOfRange = 1'000'000'000'000'000;  // 10^15
constexpr std::uint64_t kBottomOfRange = kTopOfRange / 10;     // 10^14

// "00" "01" … "99": two digits per division halves the work of writing a
// fifteen-digit number.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
    pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

int DigitCount(std::uint64_t number) {
  int count = 1;
  for (std::uint64_t bound = 10; count < 20 && number >= bound; bound *= 10) ++count;
  return count;
}

// Fills `out` with the decimal digits of `number` (1 ≤ number < 10^15),
// trailing zeros dropped, and with the exponent of the integer itself; a
// caller that scaled the value sets its own exponent afterwards.
void StoreInteger(std::uint64_t number, DecimalDigits& out) {
  int length = DigitCount(number);
  out.exponent = length - 1;
  char* digits = out.digits.data();
  for (int end = length; number != 0;) {
    if (number >= 10) {
      const std::size_t pair = static_cast<std::size_t>(number % 100) * 2;
      number /= 100;
      digits[--end] = kDigitPairs[pair + 1];
      digits[--end] = kDigitPairs[pair];
    } else {
      digits[--end] = static_cast<char>('0' + number);
      number = 0;
    }
  }
  while (digits[length - 1] == '0') --length;
  out.count = length;
}

}  // namespace

std::optional<DecimalDigits> RoundToSignificantQuick(long double value) {
  DecimalDigits out;
  if (value == 0) return out;
  const long double magnitude = std::fabs(value);
  if (!(magnitude < static_cast<long double>(kTopOfRange)) || magnitude < 1e-4L) return std::nullopt;
  out.negative = value < 0;

  // Whole numbers below 10^15 have at most 15 digits and convert exactly.
  // (llrint rounds in the current mode without switching the x87 control
  // word, which trunc and floor do at great cost.)
  const long long nearest = std::llrint(magnitude);
  if (static_cast<long double>(nearest) == magnitude) {
    const auto number = static_cast<std::uint64_t>(nearest);
    StoreInteger(number, out);
    return out;
  }

  // Scale the value so that its fifteen significant digits form the integer
  // part. The binary exponent times log10(2) gives the decimal exponent or
  // one less; start from the higher guess and step down when it was wrong.
  int exponent = std::min(14, ((std::ilogb(magnitude) * 1233) >> 12) + 1);
  if (exponent < -4) return std::nullopt;  // 10^(14 - exponent) must stay exact
  long double scaled = magnitude * kExactPowersOfTen[static_cast<std::size_t>(14 - exponent)];
  if (scaled < static_cast<long double>(kBottomOfRange) && exponent > -4) {
    --exponent;
    scaled = magnitude * kExactPowersOfTen[static_cast<std::size_t>(14 - exponent)];
  }
  if (scaled < static_cast<long double>(kBottomOfRange) ||
      scaled >= static_cast<long double>(kTopOfRange)) {
    return std::nullopt;
  }
  // Below 2^50 the product is within 2^-15 of the exact one, so when it lies
  // clearly nearer one integer than the next, the exact value rounds to that
  // integer too. Near ties go to the exact conversion, and so does anything
  // under a rounding mode other than to nearest, which llrint obeys.
  const long long nearestScaled = std::llrint(scaled);
  const long double fraction = scaled - static_cast<long double>(nearestScaled);
  if (std::fabs(fraction) > 0.499L) return std::nullopt;
  auto number = static_cast<std::uint64_t>(nearestScaled);
  if (number == kTopOfRange) {
    number = kBottomOfRange;
    ++exponent;
  }
  StoreInteger(number, out);
  out.exponent = exponent;
  return out;
}

DecimalDigits RoundToSignificantExact(long double value) {
  DecimalDigits out;
  if (value == 0) return out;
  // "%.14Le" gives "-d.dddddddddddddde±x…": one digit, a point, fourteen
  // digits and the exponent, rounded correctly from the binary value.
  char text[64];
  std::snprintf(text, sizeof text, "%.*Le", kSignificantDigits - 1, value);
  const char* cursor = text;
  if (*cursor == '-') {
    out.negative = true;
    ++cursor;
  }
  int count = 0;
  for (; *cursor != 'e'; ++cursor) {
    if (*cursor != '.') out.digits[static_cast<std::size_t>(count++)] = *cursor;
  }
  ++cursor;  // the 'e'
  const bool negativeExponent = *cursor++ == '-';
  int exponent = 0;
  for (; *cursor != '\0'; ++cursor) exponent = exponent * 10 + (*cursor - '0');
  out.exponent = negativeExponent ? -exponent : exponent;
  while (count > 0 && out.digits[static_cast<std::size_t>(count - 1)] == '0') --count;
  out.count = count;
  return out;
}

DecimalDigits RoundToSignificant(long double value) {
  if (auto quick = RoundToSignificantQuick(value)) return *quick;
  return RoundToSignificantExact(value);
}

}  // namespace tabulo
