#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "core/document/GPItem.h"
#include "core/document/GridPrintInfo.h"

namespace tabulo {

// Print-format files (".GPC"): a print layout record followed by one column
// record per column in column order, column 0 first; no count, no trailer.

std::string BuildPrintFormat(const TGridPrintInfo& info, std::span<const TGPItem> columns);

// Writes a print-format file safely (see AtomicFileWriter); throws FileError.
void WritePrintFormatFile(const std::filesystem::path& path, const TGridPrintInfo& info,
                          std::span<const TGPItem> columns);

// Reads the layout record into `info` (fields an older form lacks keep their
// values), then column records into `columns` in order while bytes and
// columns remain: extra records are ignored, missing ones leave the remaining
// columns unchanged. Each record is taken whole or not at all; on a damaged
// or short record the records read before it stay applied and TabuloError
// ("書式の読込に失敗しました。") is thrown.
void ApplyPrintFormat(std::string_view bytes, TGridPrintInfo& info, std::span<TGPItem> columns);
void ReadPrintFormatFile(const std::filesystem::path& path, TGridPrintInfo& info, std::span<TGPItem> columns);

}  // namespace tabulo
