#pragma once

#include <cstdint>

namespace tabulo {

// A colour as cell drawing asks for it: one of the system's colours (which
// the window takes from its palette) or a fixed RGB value.
struct Color {
  enum class System : std::uint8_t { None, WindowText, Window };
  System system = System::None;
  std::uint8_t r = 0, g = 0, b = 0;

  static constexpr Color Of(System role) { return Color{role, 0, 0, 0}; }
  static constexpr Color Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Color{System::None, red, green, blue};
  }
  friend constexpr bool operator==(const Color&, const Color&) = default;
};

// The font and brush colours of one cell.
struct CellColors {
  Color font;
  Color brush;
  friend constexpr bool operator==(const CellColors&, const CellColors&) = default;
};

// A valid value: window text on the window colour.
inline constexpr CellColors kValidCellColors{Color::Of(Color::System::WindowText),
                                             Color::Of(Color::System::Window)};
// A value its column's type cannot read: red on yellow.
inline constexpr CellColors kInvalidCellColors{Color::Rgb(255, 0, 0), Color::Rgb(255, 255, 0)};

}  // namespace tabulo
