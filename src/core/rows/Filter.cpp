#include "core/rows/Filter.h"

#include <optional>

#include "core/base/Errors.h"
#include "core/base/FileIo.h"
#include "core/base/Messages.h"
#include "core/base/Progress.h"
#include "core/document/CsvWriter.h"
#include "core/document/SideFile.h"
#include "core/editing/CharClassMapping.h"
#include "core/locale/TextConverter.h"
#include "core/rows/FilterMatcher.h"

namespace tabulo {
namespace {

constexpr std::string_view kAllColumnsCaption = "\x91\x53\x8D\x80\x96\xDA";  // "全項目"

// Rows scanned between two looks at the progress.
constexpr int kProgressStride = 4096;

}  // namespace

std::string FilterDescription(const TableDocument& grid, const FilterOptions& options) {
  std::string description;
  for (const FilterCondition& condition : options.conditions) {
    const std::string search =
        NormalizeForCompare(condition.text, options.ignoreKana, options.ignoreWidth, options.ignoreCase);
    if (search.empty()) continue;
    if (!description.empty()) description += options.useOr ? " or " : " and ";
    description += '[';
    const TextEncoding encoding = grid.Encoding().encoding;
    description += condition.column == 0 ? ProgramText(kAllColumnsCaption, encoding) : grid.Cell(condition.column, 0);
    description += ' ';
    description += ProgramText(OperatorCaption(condition.op), encoding);
    description += ' ';
    description += search;
    description += ']';
  }
  return description;
}

std::vector<int> FindMatchingRows(const TableDocument& grid, const FilterOptions& options, ProgressSink* progress) {
  ProgressScope scope(progress);
  RowMatcher matcher(grid, options);
  std::vector<int> rows;
  const int rowCount = grid.RowCount();
  for (int row = 1; row < rowCount; ++row) {
    if (matcher.Matches(row)) rows.push_back(row);
    if (row % kProgressStride == 0) scope.Update(static_cast<std::uint64_t>(row) + 1, static_cast<std::uint64_t>(rowCount));
  }
  scope.Update(1, 1);
  return rows;
}

void WriteFilteredRows(const std::filesystem::path& path, const Document& document, std::span<const int> rows,
                       const SaveOptions& options, ProgressSink* progress) {
  if (IsSideFileName(path)) throw TabuloError(FormatMessage(MessageId::TargetIsSideFileName, {path.string()}));
  const bool withTitle = options.WithTitle && !options.SaveAttributes;
  const bool withRowNumbers = options.WithRowNumbers && !options.SaveAttributes;

  AtomicFileWriter text(path);
  WriteDelimitedRows(document.grid, rows, options.Format(), withTitle, withRowNumbers, text, progress);
  text.Close();

  // The side file this output writes or deletes, and the one that would be
  // read before it and must not outlive it.
  const std::filesystem::path control = ControlSideFilePath(text.Target());
  const std::filesystem::path stale = options.SaveAttributes ? SideFilePath(text.Target()) : control;
  std::optional<AtomicFileWriter> side;
  if (options.SaveAttributes) {
    side.emplace(control);
    side->Write(SideFileBytes(document));
    side->Close();
  }
  const std::string_view staleExtension = options.SaveAttributes ? ".cfg" : ".ctl";
  const bool deleteStale = FileExists(stale) && MayDeleteSideFileOf(text.Target(), {}, staleExtension);
  if (deleteStale) RequireReplaceable(stale);

  text.Commit();
  if (side) side->Commit();
  if (deleteStale) RemoveFileIfExists(stale);
}

}  // namespace tabulo
