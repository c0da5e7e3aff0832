#include "core/document/GPItem.h"

#include "core/base/ByteReader.h"
#include "core/base/ByteWriter.h"
#include "core/base/Errors.h"

namespace tabulo {

std::uint16_t DefaultDrawFlagsFor(ColumnType type) {
  switch (type) {
    case ColumnType::Integer:
    case ColumnType::Numeric:
    case ColumnType::Currency: return draw_flags::kRightDefault;
    case ColumnType::Date:
    case ColumnType::Time: return draw_flags::kCenterDefault;
    case ColumnType::String: break;
  }
  return draw_flags::kLeftDefault;
}

void TGPItem::LoadFromStream(ByteReader& reader) {
  if (reader.ReadI32() != kStreamTag) throw SilentAbort();
  TGPItem item;
  item.Title = reader.ReadCountedString();
  item.DataType = reader.ReadU8();
  item.Shown = reader.ReadU8();
  item.ColumnIndex = reader.ReadI32();
  item.DisplayWidth = reader.ReadI32();
  item.Printed = reader.ReadU8();
  item.PrintIndex = reader.ReadI32();
  item.PrintWidth = reader.ReadI32();
  item.ImeMode = reader.ReadU8();
  item.DrawFlags = reader.ReadU16();
  item.Reserved1 = reader.ReadI32();
  item.Reserved2 = reader.ReadI32();
  item.FieldStart = reader.ReadI32();
  item.FieldLength = reader.ReadI32();
  *this = std::move(item);
}

void TGPItem::SaveToStream(ByteWriter& writer) const {
  writer.WriteI32(kStreamTag);
  writer.WriteCountedString(Title);
  writer.WriteU8(DataType);
  writer.WriteU8(Shown);
  writer.WriteI32(ColumnIndex);
  writer.WriteI32(DisplayWidth);
  writer.WriteU8(Printed);
  writer.WriteI32(PrintIndex);
  writer.WriteI32(PrintWidth);
  writer.WriteU8(ImeMode);
  writer.WriteU16(DrawFlags);
  writer.WriteI32(Reserved1);
  writer.WriteI32(Reserved2);
  writer.WriteI32(FieldStart);
  writer.WriteI32(FieldLength);
}

void TGPItem::LoadOldFromStream(ByteReader& reader) {
  TGPItem item;
  item.Title = reader.ReadCountedString();
  item.DataType = reader.ReadU8();
  item.ImeMode = reader.ReadU8();
  item.Printed = reader.ReadU8();
  item.ColumnIndex = reader.ReadI32();
  item.DisplayWidth = reader.ReadI32();
  item.PrintWidth = reader.ReadI32();
  item.DrawFlags = reader.ReadU16();
  item.Reserved1 = reader.ReadI32();
  item.Reserved2 = reader.ReadI32();
  item.FieldStart = reader.ReadI32();
  item.FieldLength = reader.ReadI32();
  item.Shown = 1;
  item.PrintIndex = item.ColumnIndex;
  *this = std::move(item);
}

}  // namespace tabulo
