#pragma once

#include <array>
#include <optional>

namespace tabulo {

// Every number the program writes is first rounded to this many significant
// decimal digits, the precision the user sees in cells.
inline constexpr int kSignificantDigits = 15;

// A finite value rounded to kSignificantDigits significant decimal digits.
// The value is ±0.d1d2…dn × 10^(exponent + 1), that is, the first digit
// stands at the place 10^exponent.
struct DecimalDigits {
  bool negative = false;  // never set for zero
  int exponent = 0;       // place of the first digit; 0 for zero
  int count = 0;          // digits used, trailing zeros removed; 0 for zero
  std::array<char, kSignificantDigits> digits{};  // '0'..'9'
};

// Rounds `value` (finite) to kSignificantDigits digits, correctly rounded
// from its exact binary value (ties to even, as the C library does).
DecimalDigits RoundToSignificant(long double value);

// The two ways RoundToSignificant works, public so that tests can hold them
// against each other. The quick one covers zero, integers below 10^15 and
// magnitudes from 10^-4 up to 10^15 whose rounding is not a near tie, and
// gives nullopt for anything else; the exact one covers every finite value
// through the C library's decimal conversion.
std::optional<DecimalDigits> RoundToSignificantQuick(long double value);
DecimalDigits RoundToSignificantExact(long double value);

}  // namespace tabulo
