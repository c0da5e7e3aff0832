#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "core/document/GPItem.h"
#include "core/locale/Cp932.h"
#include "core/document/GridPrintInfo.h"

namespace tabulo {

// Print-format files (".GPC"): a print layout record followed by one column
// record per column in column order, column 0 first; no count, no trailer.
// The titles of a document in `encoding` are stored as StoredTitle keeps
// them (code page 932); column 0's is the program's own.

std::string BuildPrintFormat(const TGridPrintInfo& info, std::span<const TGPItem> columns,
                             TextEncoding encoding = TextEncoding::ShiftJis);

// Writes a print-format file safely (see AtomicFileWriter); throws FileError.
void WritePrintFormatFile(const std::filesystem::path& path, const TGridPrintInfo& info,
                          std::span<const TGPItem> columns, TextEncoding encoding = TextEncoding::ShiftJis);

// Reads the layout record into `info` (fields an older form lacks keep their
// values), then column records into `columns` in order while bytes and
// columns remain: extra records are ignored, missing ones leave the remaining
// columns unchanged. Each record is taken whole or not at all; on a damaged
// or short record the records read before it stay applied and TabuloError
// ("書式の読込に失敗しました。") is thrown.
void ApplyPrintFormat(std::string_view bytes, TGridPrintInfo& info, std::span<TGPItem> columns,
                      TextEncoding encoding = TextEncoding::ShiftJis);
void ReadPrintFormatFile(const std::filesystem::path& path, TGridPrintInfo& info, std::span<TGPItem> columns,
                         TextEncoding encoding = TextEncoding::ShiftJis);

}  // namespace tabulo
