// Measures the duplicate search and the merge over the million-row corpus:
//   tabulo-dedupe-merge-bench CORPUS [--repeat N] [--other FILE]
// Deleting the later rows of each group by two columns (the search, then the
// marks and the deletion as one undo step); the extract mode with 100,000
// duplicate rows (the ordered groups and their narrowed copy); the merge of
// a 100,000-line file by ID replacing one column, as one undo step. With
// --other the 100,000-line file is also written there, for the batch tool.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/Corpus.h"
#include "core/base/FileIo.h"
#include "core/document/EditTransaction.h"
#include "core/rows/Duplicates.h"
#include "core/rows/Merge.h"
#include "core/rows/MergeSource.h"
#include "core/rows/Narrowing.h"

namespace {

using bench::BestSeconds;
using bench::Seconds;
using tabulo::TableDocument;

constexpr int kOtherLines = 100000;

void MeasureDeletion(TableDocument& grid, const char* what, std::vector<int> columns, int repeat) {
  tabulo::DuplicateOptions options;
  options.columns = std::move(columns);
  std::size_t later = 0;
  const double search = BestSeconds(repeat, [&] {
    later = tabulo::LaterDuplicateRows(tabulo::FindDuplicateGroups(grid, options, false, nullptr)).size();
  });
  const std::vector<int> rows = tabulo::LaterDuplicateRows(tabulo::FindDuplicateGroups(grid, options, false, nullptr));
  const double remove = Seconds([&] {
    tabulo::EditTransaction step(grid, "dedupe");
    tabulo::MarkRowsForDeletion(grid, rows);
    tabulo::DeleteMarkedRows(grid, nullptr);
    step.Commit();
  });
  const double undo = Seconds([&] { grid.Undo(); });
  std::printf("%-44s search %6.3f s  deletion %6.3f s (%zu rows)  undo %6.3f s\n", what, search, remove, later, undo);
}

// Gives 50,000 rows the ID of the row before them: 100,000 duplicate rows.
void MakeDuplicateIds(TableDocument& grid) {
  for (int pair = 0; pair < 50000 && 20 * pair + 2 < grid.RowCount(); ++pair) {
    const int row = 20 * pair + 2;
    grid.SetCell(1, row, std::string(grid.Cell(1, row - 1)));
  }
}

void MeasureExtract(TableDocument& grid, int repeat) {
  tabulo::DuplicateOptions options;
  options.columns = {1};
  tabulo::DuplicateGroups groups;
  const double search = BestSeconds(repeat, [&] { groups = tabulo::FindDuplicateGroups(grid, options, true, nullptr); });
  const double copy = Seconds([&] { (void)tabulo::MakeNarrowedGrid(grid, groups.rows); });
  std::printf("%-44s search %6.3f s  narrowed copy %6.3f s (%zu rows in %zu groups)\n",
              "extract by ID, 100,000 duplicate rows", search, copy, groups.rows.size(), groups.GroupCount());
}

// Every tenth row's ID with a new 備考, CR LF lines.
std::string OtherFile(const TableDocument& grid) {
  std::string text;
  for (int i = 0, row = 1; i < kOtherLines && row < grid.RowCount(); ++i, row += 10) {
    text.append(grid.Cell(1, row));
    text += ",merged-";
    text += std::to_string(i);
    text += "\r\n";
  }
  return text;
}

void MeasureMerge(TableDocument& grid, const std::string& otherText, int repeat) {
  const int note = bench::ColumnTitled(grid, "備考");
  tabulo::MergeOptions options;
  options.items.resize(static_cast<std::size_t>(grid.ColCount()));
  options.items[1] = {0, tabulo::MergeRole::Key};
  options.items[static_cast<std::size_t>(note)] = {1, tabulo::MergeRole::Replace};
  const double read = Seconds([&] { (void)tabulo::MergeSource::FromBytes(otherText); });
  const tabulo::MergeSource other = tabulo::MergeSource::FromBytes(otherText);
  int count = 0;
  const double merge = BestSeconds(repeat, [&] {
    tabulo::EditTransaction step(grid, "merge");
    count = tabulo::MergeRows(grid, other, options, nullptr);
    step.Commit();
    grid.Undo();
  });
  const double stepped = Seconds([&] {
    tabulo::EditTransaction step(grid, "merge");
    tabulo::MergeRows(grid, other, options, nullptr);
    step.Commit();
  });
  const double undo = Seconds([&] { grid.Undo(); });
  std::printf("%-44s read %6.3f s  merge %6.3f s (%d rows, with undo of the last run)  as a step %6.3f s  undo %6.3f s\n",
              "merge 100,000 lines by ID, replacing 備考", read, merge, count, stepped, undo);
}

}  // namespace

int main(int argc, char** argv) {
  const char* otherPath = nullptr;
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--other") == 0 && i + 1 < argc) {
      otherPath = argv[++i];
    } else {
      args.push_back(argv[i]);
    }
  }
  const bench::CorpusRun run =
      bench::StartCorpusRun(static_cast<int>(args.size()), args.data(), "tabulo-dedupe-merge-bench");
  TableDocument& grid = *run.grid;

  const std::string otherText = OtherFile(grid);
  if (otherPath != nullptr) tabulo::WriteWholeFile(otherPath, otherText);
  MeasureMerge(grid, otherText, run.repeat);

  const int prefecture = bench::ColumnTitled(grid, "都道府県");
  const int quantity = bench::ColumnTitled(grid, "数量");
  const int date = bench::ColumnTitled(grid, "日付");
  MeasureDeletion(grid, "delete later rows by 都道府県, 数量", {prefecture, quantity}, run.repeat);
  MeasureDeletion(grid, "delete later rows by 都道府県, 日付", {prefecture, date}, run.repeat);
  MakeDuplicateIds(grid);
  MeasureExtract(grid, run.repeat);
  return 0;
}
