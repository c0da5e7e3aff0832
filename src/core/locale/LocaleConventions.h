#pragma once

#include <string_view>

namespace tabulo::locale {

// The conventions of a Japanese system, which every number and date
// operation follows. All texts are code page 932 bytes (here plain ASCII).
inline constexpr std::string_view kCurrencyString = "\\";  // the byte 0x5C, shown as the yen sign
inline constexpr std::string_view kThousandSeparator = ",";
inline constexpr std::string_view kDecimalSeparator = ".";
inline constexpr char kDateSeparator = '/';
inline constexpr std::string_view kShortDateFormat = "yyyy/MM/dd";
inline constexpr std::string_view kLongTimeFormat = "H:mm:ss";
inline constexpr std::string_view kShortTimeFormat = "H:mm";

}  // namespace tabulo::locale
