#include "core/document/GridPrintInfo.h"

#include <algorithm>
#include <cmath>

#include "core/base/ByteReader.h"
#include "core/base/ByteWriter.h"
#include "core/base/Errors.h"

namespace tabulo {

void TGridPrintInfo::SaveToStream(ByteWriter& writer) const {
  writer.WriteI32(kStreamTag);
  writer.WriteBool(ShowFileName);
  writer.WriteBool(ShowDate);
  writer.WriteBool(Lines);
  writer.WriteBool(ShowTitle);
  writer.WriteBool(ShowPage);
  writer.WriteI32(LeftMargin);
  writer.WriteI32(TopMargin);
  writer.WriteI32(BottomMargin);
  writer.WriteI32(RowHeight);
  writer.WriteCountedString(FontName);
  writer.WriteU8(FontCharset);
  writer.WriteU8(FontStyle);
  writer.WriteI32(FontSize);
  writer.WriteI32(PrinterIndex);
  writer.WriteI16(PaperSize);
  writer.WriteI16(Orientation);
}

void TGridPrintInfo::LoadFromStream(ByteReader& reader) {
  const std::int32_t tag = reader.ReadI32();
  if (tag != kStreamTag && tag != kStreamTagWithoutCharset && tag != kStreamTagOldest) throw SilentAbort();
  TGridPrintInfo info = *this;
  if (tag == kStreamTagOldest) {
    info.Lines = reader.ReadBool();
    info.ShowTitle = reader.ReadBool();
    info.LeftMargin = reader.ReadI32();
    info.TopMargin = reader.ReadI32();
    info.RowHeight = reader.ReadI32();
    reader.ReadCountedString();  // the font name of this form is not taken over
    info.FontName.clear();
  } else {
    info.ShowFileName = reader.ReadBool();
    info.ShowDate = reader.ReadBool();
    info.Lines = reader.ReadBool();
    info.ShowTitle = reader.ReadBool();
    info.ShowPage = reader.ReadBool();
    info.LeftMargin = reader.ReadI32();
    info.TopMargin = reader.ReadI32();
    info.BottomMargin = reader.ReadI32();
    info.RowHeight = reader.ReadI32();
    info.FontName = reader.ReadCountedString();
    if (tag == kStreamTag) {
      info.FontCharset = reader.ReadU8();
    } else {
      info.FontName.clear();
    }
  }
  info.FontStyle = reader.ReadU8();
  info.FontSize = reader.ReadI32();
  info.PrinterIndex = reader.ReadI32();
  info.PaperSize = reader.ReadI16();
  info.Orientation = reader.ReadI16();
  *this = std::move(info);
}

namespace {

// Rounds half to even and keeps the result within 32 bits (a zero dpi or an
// absurd length from a damaged file must not overflow the conversion).
std::int32_t RoundToInt32(double value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<std::int32_t>(std::nearbyint(std::clamp(value, -2147483648.0, 2147483647.0)));
}

}  // namespace

std::int32_t PixelsToTenthMm(double pixels, double dpi) {
  return dpi > 0 ? RoundToInt32(pixels / dpi * 253.999) : 0;
}

std::int32_t TenthMmToPixels(double tenths, double dpi) { return RoundToInt32(dpi * tenths / 253.999); }

}  // namespace tabulo
