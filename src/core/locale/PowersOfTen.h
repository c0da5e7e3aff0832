#pragma once

#include <array>

namespace tabulo {

// 10^0 … 10^27 as long double. All are exact: 10^n = 2^n · 5^n, and 5^27 is
// below 2^64, the width of the long double mantissa. An exact power lets one
// multiplication or division scale a number with a single, correct rounding.
inline constexpr int kMaxExactPowerOfTen = 27;

inline constexpr std::array<long double, kMaxExactPowerOfTen + 1> kExactPowersOfTen = [] {
  std::array<long double, kMaxExactPowerOfTen + 1> powers{};
  long double power = 1;
  for (long double& entry : powers) {
    entry = power;
    power *= 10;
  }
  return powers;
}();

}  // namespace tabulo
