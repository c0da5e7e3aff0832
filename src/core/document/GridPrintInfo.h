#pragma once

#include <cstdint>
#include <string>

namespace tabulo {

class ByteReader;
class ByteWriter;

// The print layout of a document: header and footer items, margins, printed
// row height, print font, printer and paper. Lengths on paper are tenths of a
// millimetre.
class TGridPrintInfo {
 public:
  static constexpr std::int32_t kStreamTag = -20;
  static constexpr std::int32_t kStreamTagWithoutCharset = -11;
  static constexpr std::int32_t kStreamTagOldest = -10;

  bool ShowFileName = true;
  bool ShowDate = true;
  bool Lines = true;
  bool ShowTitle = true;
  bool ShowPage = true;
  std::int32_t LeftMargin = 100;
  std::int32_t TopMargin = 100;
  std::int32_t BottomMargin = 100;
  std::int32_t RowHeight = 53;
  std::string FontName;  // empty: none chosen yet (the grid's font is taken at print time)
  std::uint8_t FontCharset = 0;
  std::uint8_t FontStyle = 0;  // bit 0 bold, 1 italic, 2 underline, 3 strike-out
  std::int32_t FontSize = 9;
  std::int32_t PrinterIndex = -1;  // -1: the default printer
  std::int16_t PaperSize = 9;      // 9 = A4
  std::int16_t Orientation = 1;    // 1 portrait, 2 landscape

  void SetDefaults() { *this = TGridPrintInfo(); }

  // Writes the current form (tag -20, 43 + font-name bytes).
  void SaveToStream(ByteWriter& writer) const;
  // Reads the current form or one of the two older ones; fields an older form
  // lacks keep their values, and the older forms' font name is discarded
  // (set empty). All or nothing: an unknown tag throws SilentAbort, a short
  // record StreamReadError, and the record is left as it was.
  void LoadFromStream(ByteReader& reader);

  void Assign(const TGridPrintInfo& other) { *this = other; }

  friend bool operator==(const TGridPrintInfo&, const TGridPrintInfo&) = default;
};

// Lengths between pixels and tenths of a millimetre (the factor is 253.999,
// rounding half to even).
std::int32_t PixelsToTenthMm(double pixels, double dpi);
std::int32_t TenthMmToPixels(double tenths, double dpi);

}  // namespace tabulo
