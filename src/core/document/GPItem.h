#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/document/CellColors.h"
#include "core/document/ColumnType.h"

namespace tabulo {

class ByteReader;
class ByteWriter;

// Drawing flags of the column's cells (the flag word of the platform's text
// drawing call).
namespace draw_flags {
inline constexpr std::uint16_t kCenter = 0x0001;
inline constexpr std::uint16_t kRight = 0x0002;
inline constexpr std::uint16_t kVCenter = 0x0004;
inline constexpr std::uint16_t kBottom = 0x0008;
inline constexpr std::uint16_t kSingleLine = 0x0020;
inline constexpr std::uint16_t kNoPrefix = 0x0800;
inline constexpr std::uint16_t kLeftDefault = 0x0824;
inline constexpr std::uint16_t kRightDefault = 0x0826;
inline constexpr std::uint16_t kCenterDefault = 0x0825;
}  // namespace draw_flags

// The default alignment of a column set up for a data type: right for
// integer, numeric and currency, centred for date and time, left otherwise.
std::uint16_t DefaultDrawFlagsFor(ColumnType type);

// The attribute record of one column: its type, widths on screen and paper,
// print settings, input-method mode, alignment and fixed-length field. Every
// column of the document owns one, the row-number column included; `Title`
// is the column's title cell.
class TGPItem {
 public:
  static constexpr std::int32_t kStreamTag = -2;

  std::string Title;                // code page 932
  std::uint8_t DataType = 0;        // see ColumnType
  std::uint8_t Shown = 1;
  std::int32_t ColumnIndex = 0;
  std::int32_t DisplayWidth = 0;    // pixels
  std::uint8_t Printed = 1;
  std::int32_t PrintIndex = 0;
  std::int32_t PrintWidth = 0;      // 0.1 mm; 0 = not yet derived
  std::uint8_t ImeMode = 3;         // 1..8, 3 = leave as it is
  std::uint16_t DrawFlags = draw_flags::kLeftDefault;
  std::int32_t Reserved1 = 0;
  std::int32_t Reserved2 = 0;
  std::int32_t FieldStart = 0;      // fixed-length files: 1-based byte position
  std::int32_t FieldLength = 0;

  ColumnType Type() const noexcept { return ColumnTypeOf(DataType); }

  // For integer, numeric and currency columns the digit-grouped form of
  // `text` when it parses; otherwise `text` unchanged.
  std::string GetDisplayText(std::string_view text) const;
  // The validity colours of a cell of this column; the text is not changed.
  CellColors GetCellColors(std::string_view text) const;
  // Like GetCellColors, but integer, numeric and currency values that parse
  // are replaced by their grouped form.
  CellColors AdjustForDisplay(std::string& text) const;
  // Whether `text` is a valid value of this column's type.
  bool IsValidValue(std::string_view text) const;

  // The tagged record (46 + title bytes). Reading is all or nothing: a wrong
  // tag throws SilentAbort, a short record StreamReadError, and the record is
  // left as it was in both cases.
  void LoadFromStream(ByteReader& reader);
  void SaveToStream(ByteWriter& writer) const;
  // The older untagged record of earlier side files (read only); sets Shown
  // to 1 and PrintIndex to ColumnIndex. All or nothing like LoadFromStream.
  void LoadOldFromStream(ByteReader& reader);

  void Assign(const TGPItem& other) { *this = other; }

  friend bool operator==(const TGPItem&, const TGPItem&) = default;
};

}  // namespace tabulo
