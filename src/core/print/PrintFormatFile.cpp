#include "core/print/PrintFormatFile.h"

#include "core/base/ByteReader.h"
#include "core/base/ByteWriter.h"
#include "core/base/Errors.h"
#include "core/base/FileIo.h"
#include "core/base/Messages.h"

namespace tabulo {

std::string BuildPrintFormat(const TGridPrintInfo& info, std::span<const TGPItem> columns) {
  ByteWriter writer;
  info.SaveToStream(writer);
  for (const TGPItem& item : columns) item.SaveToStream(writer);
  return writer.TakeBytes();
}

void WritePrintFormatFile(const std::filesystem::path& path, const TGridPrintInfo& info,
                          std::span<const TGPItem> columns) {
  WriteWholeFile(path, BuildPrintFormat(info, columns));
}

void ApplyPrintFormat(std::string_view bytes, TGridPrintInfo& info, std::span<TGPItem> columns) {
  try {
    ByteReader reader(bytes);
    info.LoadFromStream(reader);
    for (std::size_t i = 0; i < columns.size() && !reader.AtEnd(); ++i) columns[i].LoadFromStream(reader);
  } catch (const TabuloError&) {
    throw TabuloError(std::string(MessageText(MessageId::PrintFormatLoadFailed)));
  }
}

void ReadPrintFormatFile(const std::filesystem::path& path, TGridPrintInfo& info, std::span<TGPItem> columns) {
  std::string bytes;
  try {
    bytes = ReadWholeFile(path);
  } catch (const FileError&) {
    throw TabuloError(std::string(MessageText(MessageId::PrintFormatLoadFailed)));
  }
  ApplyPrintFormat(bytes, info, columns);
}

}  // namespace tabulo
