#include "core/print/PrintFormatFile.h"

#include "core/base/ByteReader.h"
#include "core/base/ByteWriter.h"
#include "core/base/Errors.h"
#include "core/base/FileIo.h"
#include "core/base/Messages.h"
#include "core/document/StoredTitle.h"

namespace tabulo {

std::string BuildPrintFormat(const TGridPrintInfo& info, std::span<const TGPItem> columns, TextEncoding encoding) {
  ByteWriter writer;
  info.SaveToStream(writer);
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (i == 0 || encoding == TextEncoding::ShiftJis) {
      columns[i].SaveToStream(writer);
    } else {
      TGPItem stored = columns[i];
      stored.Title = StoredTitle(stored.Title, encoding);
      stored.SaveToStream(writer);
    }
  }
  return writer.TakeBytes();
}

void WritePrintFormatFile(const std::filesystem::path& path, const TGridPrintInfo& info,
                          std::span<const TGPItem> columns, TextEncoding encoding) {
  WriteWholeFile(path, BuildPrintFormat(info, columns, encoding));
}

void ApplyPrintFormat(std::string_view bytes, TGridPrintInfo& info, std::span<TGPItem> columns,
                      TextEncoding encoding) {
  try {
    ByteReader reader(bytes);
    info.LoadFromStream(reader);
    for (std::size_t i = 0; i < columns.size() && !reader.AtEnd(); ++i) {
      columns[i].LoadFromStream(reader);
      if (i > 0) columns[i].Title = TitleFromStored(columns[i].Title, encoding);
    }
  } catch (const TabuloError&) {
    throw TabuloError(std::string(MessageText(MessageId::PrintFormatLoadFailed)));
  }
}

void ReadPrintFormatFile(const std::filesystem::path& path, TGridPrintInfo& info, std::span<TGPItem> columns,
                         TextEncoding encoding) {
  std::string bytes;
  try {
    bytes = ReadWholeFile(path);
  } catch (const FileError&) {
    throw TabuloError(std::string(MessageText(MessageId::PrintFormatLoadFailed)));
  }
  ApplyPrintFormat(bytes, info, columns, encoding);
}

}  // namespace tabulo
