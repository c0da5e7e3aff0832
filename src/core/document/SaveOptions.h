#pragma once

#include <cstdint>

namespace tabulo {

// The five save formats, in the order of the save dialog's radio group.
enum class SaveFormat : std::int32_t {
  Comma = 0,   // "カンマ区切"
  Tab = 1,     // "タブ区切"
  Typed = 2,   // "Ｋ３形式": quoted unless the column is integer, numeric or currency
  Quoted = 3,  // every field in double quotes
  Plain = 4,   // "引用符無し"
};

// The default save options, held by the main window and kept in the settings
// file as seven bytes: SaveType (signed 32-bit), then one byte each.
struct SaveOptions {
  std::int32_t SaveType = 0;
  bool SaveAttributes = true;
  bool WithTitle = false;
  bool WithRowNumbers = false;

  // A stored SaveType outside 0..4 is treated as the comma format.
  SaveFormat Format() const noexcept {
    return SaveType >= 0 && SaveType <= 4 ? static_cast<SaveFormat>(SaveType) : SaveFormat::Comma;
  }
  friend bool operator==(const SaveOptions&, const SaveOptions&) = default;
};

}  // namespace tabulo
