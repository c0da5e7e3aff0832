#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tabulo {

// Reading and writing numbers the way the locale-aware formatter of a Japanese
// system does (see LocaleConventions.h). Results are code page 932 bytes.

// A 32-bit signed integer: leading blanks (spaces) skipped, optional sign,
// decimal digits, or "$" followed by hexadecimal digits whose value fits 32
// bits, read as a bit pattern ("$FFFFFFFF" is -1, "-$10" is -16); nothing may
// follow. Out of range or anything else → nullopt.
std::optional<std::int32_t> ParseInt32(std::string_view text);

// An extended-precision real: leading blanks (spaces) skipped, optional sign,
// digits with "." as the decimal point whatever the process locale (digits on
// at least one side), optional exponent "E"/"e" with optional sign and
// digits; the whole text is consumed. The value is the correctly rounded one,
// bit for bit what strtold gives ("-0" is negative zero; values below the
// normal range become subnormal or zero). Overflow to infinity → nullopt. No
// hexadecimal, no "inf", no "nan". Does not allocate for ordinary numbers.
// Raises no overflow, invalid-operation or division-by-zero flag, even for
// a text beyond the range, so a formula reading cells sees only its own.
std::optional<long double> ParseReal(std::string_view text);

enum class FloatStyle {
  Fixed,     // digits, decimal separator, the given number of decimals
  Number,    // the same with thousands separators
  Currency,  // number with the currency string placed, negatives as the locale writes them ("-\1,234")
};

// The value rounded to 15 significant digits and then, half away from zero,
// to `decimals` places (clamped to 0..18), padded with zeros and written in
// `style` (2.5 → "3", -2.5 → "-3", 1.005 → "1.01" with two decimals). A
// result of zero carries no sign. A value with more than 15 integer digits,
// or one that is not finite, is written in the general format instead.
std::string FormatFloat(long double value, FloatStyle style, int decimals);

// The general format: at most 15 significant digits, rounded; no trailing
// zeros and no decimal point for whole numbers; fixed notation when the value
// has at most 15 integer digits and its magnitude is at least 0.0001 (or it is
// zero), otherwise mantissa, "E", "-" only for a negative exponent, and the
// exponent without leading zeros (1E15, 1.5E-7). Zero of either sign is "0";
// infinities and NaN are "INF", "-INF" and "NAN".
std::string FormatGeneral(long double value);

// An integer with or without thousands separators ("-1,234,567").
std::string FormatInteger(std::int64_t value, bool grouped);

}  // namespace tabulo
