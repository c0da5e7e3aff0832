#include "core/locale/NumberFormat.h"

#include <algorithm>
#include <array>
#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <locale.h>

#include "core/locale/LocaleConventions.h"
#include "core/locale/PowersOfTen.h"
#include "core/locale/SignificantDigits.h"

namespace tabulo {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::size_t SkipBlanks(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  return pos;
}

// Mantissas of up to 19 digits fit an unsigned 64-bit integer and so convert
// to long double exactly, as do the powers of ten up to 10^27. One
// multiplication or division of two exact operands is correctly rounded, so
// within these bounds the quick result is the one strtold gives.
constexpr int kMaxQuickDigits = 19;
constexpr int kMaxQuickScale = kMaxExactPowerOfTen;

// The "C" locale, so that strtold reads "." as the decimal point whatever the
// process locale says. Created once and never changed.
locale_t ClassicLocale() {
  static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
  return classic;
}

// Hands a syntactically valid number to the C library. Short texts are
// copied to the stack; only freak inputs of hundreds of digits allocate.
// The library raises the overflow flag for a text beyond the range; the
// caller's floating-point status flags are kept as they were, because the
// formula evaluator reads its faults from them and a cell that is no number
// is no fault.
long double ConvertWithLibrary(std::string_view number) {
  std::array<char, 128> local;
  std::string heap;
  const char* terminated = nullptr;
  if (number.size() < local.size()) {
    std::copy(number.begin(), number.end(), local.begin());
    local[number.size()] = '\0';
    terminated = local.data();
  } else {
    heap.assign(number);
    terminated = heap.c_str();
  }
  std::fexcept_t flags{};
  std::fegetexceptflag(&flags, FE_ALL_EXCEPT);
  const long double value = strtold_l(terminated, nullptr, ClassicLocale());
  std::fesetexceptflag(&flags, FE_ALL_EXCEPT);
  return value;
}

// Room for a sign, the currency string, 15 integer digits with separators and
// 18 decimals, or for the general format's longest form.
using Buffer = std::array<char, 64>;

class Writer {
 public:
  void Put(char c) { m_buffer[m_length++] = c; }
  void Put(std::string_view text) {
    for (char c : text) Put(c);
  }
  void PutNumber(int value) {
    std::array<char, 12> reversed{};
    std::size_t count = 0;
    do {
      reversed[count++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    while (count > 0) Put(reversed[--count]);
  }
  // Integer digits (no leading zeros, at least one), with a separator
  // between groups of three when asked.
  void PutIntegerDigits(std::string_view digits, bool grouped) {
    for (std::size_t i = 0; i < digits.size(); ++i) {
      if (grouped && i > 0 && (digits.size() - i) % 3 == 0) Put(locale::kThousandSeparator);
      Put(digits[i]);
    }
  }
  std::string Text() const { return std::string(m_buffer.data(), m_length); }

 private:
  Buffer m_buffer{};
  std::size_t m_length = 0;
};

std::string FormatNonFinite(long double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

std::string WriteGeneral(const DecimalDigits& number) {
  if (number.count == 0) return "0";
  Writer out;
  if (number.negative) out.Put('-');
  const auto digit = [&](int i) { return number.digits[static_cast<std::size_t>(i)]; };
  const int exponent = number.exponent;
  if (exponent >= -4 && exponent < kSignificantDigits) {
    if (exponent >= 0) {
      for (int i = 0; i <= exponent; ++i) out.Put(i < number.count ? digit(i) : '0');
      if (number.count > exponent + 1) {
        out.Put(locale::kDecimalSeparator);
        for (int i = exponent + 1; i < number.count; ++i) out.Put(digit(i));
      }
    } else {
      out.Put('0');
      out.Put(locale::kDecimalSeparator);
      for (int i = exponent + 1; i < 0; ++i) out.Put('0');
      for (int i = 0; i < number.count; ++i) out.Put(digit(i));
    }
  } else {
    out.Put(digit(0));
    if (number.count > 1) {
      out.Put(locale::kDecimalSeparator);
      for (int i = 1; i < number.count; ++i) out.Put(digit(i));
    }
    out.Put('E');
    if (exponent < 0) out.Put('-');
    out.PutNumber(std::abs(exponent));
  }
  return out.Text();
}

}  // namespace

std::optional<std::int32_t> ParseInt32(std::string_view text) {
  std::size_t pos = SkipBlanks(text);
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

  std::uint32_t pattern = 0;
  if (pos < text.size() && text[pos] == '$') {
    ++pos;
    const std::size_t first = pos;
    std::uint64_t value = 0;
    for (; pos < text.size() && HexValue(text[pos]) >= 0; ++pos) {
      value = value * 16 + static_cast<std::uint64_t>(HexValue(text[pos]));
      if (value > 0xFFFF'FFFFu) return std::nullopt;
    }
    if (pos == first || pos != text.size()) return std::nullopt;
    // A hexadecimal number is a bit pattern: $FFFFFFFF is -1.
    pattern = static_cast<std::uint32_t>(value);
  } else {
    const std::size_t first = pos;
    const std::uint64_t limit = negative ? 0x8000'0000u : 0x7FFF'FFFFu;
    std::uint64_t value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
      value = value * 10 + static_cast<std::uint64_t>(text[pos] - '0');
      if (value > limit) return std::nullopt;
    }
    if (pos == first || pos != text.size()) return std::nullopt;
    pattern = static_cast<std::uint32_t>(value);
  }
  if (negative) pattern = 0u - pattern;
  return static_cast<std::int32_t>(pattern);
}

std::optional<long double> ParseReal(std::string_view text) {
  const std::size_t start = SkipBlanks(text);
  std::size_t pos = start;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

  // The significant digits gather in `mantissa`; `scale` is the power of ten
  // it must be multiplied by. Digits beyond the nineteenth that are not zero
  // make the quick conversion impossible.
  std::uint64_t mantissa = 0;
  int significant = 0;
  long long scale = 0;
  bool quick = true;
  bool anyDigit = false;
  const auto take = [&](int digit, bool fraction) {
    anyDigit = true;
    if (mantissa == 0 && digit == 0) {
      if (fraction) --scale;
    } else if (significant < kMaxQuickDigits) {
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(digit);
      ++significant;
      if (fraction) --scale;
    } else {
      if (!fraction) ++scale;
      if (digit != 0) quick = false;
    }
  };
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) take(text[pos] - '0', false);
  if (pos < text.size() && text[pos] == '.') {
    for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) take(text[pos] - '0', true);
  }
  if (!anyDigit) return std::nullopt;

  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    bool negativeExponent = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      negativeExponent = text[pos++] == '-';
    }
    const std::size_t first = pos;
    long long exponent = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
      // Anything this large overflows or underflows anyway.
      exponent = std::min(exponent * 10 + (text[pos] - '0'), 1'000'000'000LL);
    }
    if (pos == first) return std::nullopt;
    scale += negativeExponent ? -exponent : exponent;
  }
  if (pos != text.size()) return std::nullopt;

  long double value = 0;
  if (mantissa == 0) {
    value = negative ? -0.0L : 0.0L;
  } else if (quick && scale >= -kMaxQuickScale && scale <= kMaxQuickScale) {
    const long double power = kExactPowersOfTen[static_cast<std::size_t>(scale < 0 ? -scale : scale)];
    value = static_cast<long double>(mantissa);
    value = scale < 0 ? value / power : value * power;
    if (negative) value = -value;
  } else {
    value = ConvertWithLibrary(text.substr(start));
  }
  if (std::isinf(value)) return std::nullopt;
  return value;
}

std::string FormatGeneral(long double value) {
  if (!std::isfinite(value)) return FormatNonFinite(value);
  return WriteGeneral(RoundToSignificant(value));
}

std::string FormatFloat(long double value, FloatStyle style, int decimals) {
  if (!std::isfinite(value)) return FormatNonFinite(value);
  decimals = std::clamp(decimals, 0, 18);
  const DecimalDigits number = RoundToSignificant(value);
  if (number.count > 0 && number.exponent >= kSignificantDigits) return WriteGeneral(number);

  // Lay the digits out on the places 10^top … 10^-decimals, one spare place
  // in front for a carry, then round half away from zero at the last place.
  const int top = std::max(number.exponent, 0);
  const int length = 1 + top + 1 + decimals;
  std::array<char, 1 + kSignificantDigits + 18> places;
  std::fill_n(places.begin(), length, '0');
  const auto indexOf = [&](int place) { return static_cast<std::size_t>(1 + top - place); };
  const int kept = std::min(number.count, number.exponent + decimals + 1);
  for (int i = 0; i < kept; ++i) {
    places[indexOf(number.exponent - i)] = number.digits[static_cast<std::size_t>(i)];
  }
  if (kept >= 0 && kept < number.count && number.digits[static_cast<std::size_t>(kept)] >= '5') {
    for (std::size_t i = indexOf(-decimals);; --i) {
      if (places[i] != '9') {
        ++places[i];
        break;
      }
      places[i] = '0';
    }
  }

  const std::string_view all(places.data(), static_cast<std::size_t>(length));
  std::string_view integer = all.substr(0, static_cast<std::size_t>(top + 2));
  const std::string_view fraction = all.substr(static_cast<std::size_t>(top + 2));
  while (integer.size() > 1 && integer.front() == '0') integer.remove_prefix(1);
  // A value that rounds to zero is written without a sign.
  const bool negative = number.negative && all.find_first_not_of('0') != std::string_view::npos;

  Writer out;
  if (negative) out.Put('-');
  if (style == FloatStyle::Currency) out.Put(locale::kCurrencyString);
  out.PutIntegerDigits(integer, style != FloatStyle::Fixed);
  if (decimals > 0) {
    out.Put(locale::kDecimalSeparator);
    out.Put(fraction);
  }
  return out.Text();
}

std::string FormatInteger(std::int64_t value, bool grouped) {
  // Work on the magnitude as unsigned so that the smallest int64 has one.
  std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  std::array<char, 20> reversed{};
  std::size_t count = 0;
  do {
    reversed[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::array<char, 20> digits{};
  for (std::size_t i = 0; i < count; ++i) digits[i] = reversed[count - 1 - i];
  Writer out;
  if (value < 0) out.Put('-');
  out.PutIntegerDigits(std::string_view(digits.data(), count), grouped);
  return out.Text();
}

}  // namespace tabulo
