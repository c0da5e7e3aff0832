// Measures the narrowing search over the million-row corpus:
//   tabulo-filter-bench CORPUS [--repeat N]
// "含む" on one column and on all columns (with the dialog's default of
// ignoring letter case, and with no option set), a numeric comparison; then
// the narrowed copy of half the rows, and its write-back with the deletion
// of the rows removed there, as one undo step: once untouched, once after
// editing, deleting and adding rows in the copy.

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bench/Corpus.h"
#include "core/document/EditTransaction.h"
#include "core/locale/Encoding.h"
#include "core/rows/Filter.h"
#include "core/rows/Narrowing.h"

namespace {

using bench::BestSeconds;
using bench::Seconds;
using tabulo::FilterOperator;
using tabulo::FilterOptions;
using tabulo::FilterTreatment;
using tabulo::TableDocument;

struct Search {
  const char* what;
  FilterOptions options;
};

FilterOptions One(int column, FilterTreatment treatment, FilterOperator op, std::string text, bool ignoreCase) {
  FilterOptions options;
  options.conditions[0] = {column, treatment, op, std::move(text)};
  options.ignoreCase = ignoreCase;
  return options;
}

void MeasureSearch(const TableDocument& grid, const Search& search, int repeat) {
  std::size_t matches = 0;
  const double best = BestSeconds(repeat, [&] { matches = tabulo::FindMatchingRows(grid, search.options, nullptr).size(); });
  std::printf("%-52s %7.3f s  %8zu rows\n", search.what, best, matches);
}

// Narrows to every second row and writes back as the window does: the copy,
// then (after `edit`) the write-back and the deletion in one edit step,
// undone again so that the next run starts from the same document.
template <typename Edit>
void MeasureNarrowing(TableDocument& grid, const char* what, Edit edit) {
  std::vector<int> rows;
  for (int row = 1; row < grid.RowCount(); row += 2) rows.push_back(row);
  std::unique_ptr<TableDocument> narrowed;
  const double copy = Seconds([&] { narrowed = std::make_unique<TableDocument>(tabulo::MakeNarrowedGrid(grid, rows)); });
  edit(*narrowed);
  const double back = Seconds([&] {
    tabulo::EditTransaction step(grid, "narrowed");
    tabulo::WriteBackNarrowed(grid, *narrowed, rows, nullptr);
    tabulo::DeleteMarkedRows(grid, nullptr);
    step.Commit();
  });
  const int after = grid.RowCount() - 1;
  const double undo = Seconds([&] { grid.Undo(); });
  std::printf("%-30s copy of %zu rows %6.3f s  write-back %6.3f s (%d rows after)  undo %6.3f s\n", what, rows.size(),
              copy, back, after, undo);
}

}  // namespace

int main(int argc, char** argv) {
  const bench::CorpusRun run = bench::StartCorpusRun(argc, argv, "tabulo-filter-bench");
  TableDocument& grid = *run.grid;
  const int repeat = run.repeat;

  const int prefecture = bench::ColumnTitled(grid, "都道府県");
  const int address = bench::ColumnTitled(grid, "住所");
  const int remarks = bench::ColumnTitled(grid, "備考");
  const int price = bench::ColumnTitled(grid, "価格");
  tabulo::Cp932Converter converter;
  const std::string tokyo = converter.FromUtf8("東京");
  const std::string palace = converter.FromUtf8("パレス");
  using Op = FilterOperator;
  using As = FilterTreatment;
  const Search searches[] = {
      {"contains 東京 in 都道府県", One(prefecture, As::String, Op::Contains, tokyo, true)},
      {"contains 東京 in 都道府県, no option", One(prefecture, As::String, Op::Contains, tokyo, false)},
      {"contains パレス in 住所", One(address, As::String, Op::Contains, palace, true)},
      {"contains tel in 備考", One(remarks, As::String, Op::Contains, "tel", true)},
      {"contains 東京 in all columns", One(0, As::String, Op::Contains, tokyo, true)},
      {"contains 東京 in all columns, no option", One(0, As::String, Op::Contains, tokyo, false)},
      {"価格 > 500,000 as numbers", One(price, As::Number, Op::Greater, "500,000", true)},
  };
  for (const Search& search : searches) MeasureSearch(grid, search, repeat);

  MeasureNarrowing(grid, "half the rows, untouched", [](TableDocument&) {});
  MeasureNarrowing(grid, "half the rows, edited", [&](TableDocument& narrowed) {
    // A tenth of the rows edited, a tenth deleted, a thousand added.
    std::vector<int> deleted;
    for (int row = 1; row < narrowed.RowCount(); ++row) {
      if (row % 10 == 3) narrowed.SetCell(remarks, row, "checked");
      if (row % 10 == 7) deleted.push_back(row);
    }
    narrowed.DeleteRowSet(deleted);
    const int first = narrowed.RowCount();
    narrowed.SetRowCount(first + 1000);
    for (int row = first; row < narrowed.RowCount(); ++row) narrowed.SetCell(1, row, "new");
  });
  return 0;
}
