// Measures the range commands that rewrite cells, each over one whole column
// of the million-row corpus:
//   tabulo-edit-bench CORPUS [--repeat N]
// Every command runs as one step of the history, as the window runs it, and
// is undone before the next, so each starts from the corpus as read. The
// figure is the fastest of N runs (default 3); the first run of the first
// command that writes a column also moves its rows out of the blocks they
// were read into.

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "bench/Corpus.h"
#include "bench/Timing.h"
#include "core/document/EditTransaction.h"
#include "core/editing/CharClassCommands.h"
#include "core/editing/CharClassMapping.h"
#include "core/editing/Trimming.h"

namespace {

using bench::Seconds;

using namespace bench::corpus;

void Measure(tabulo::TableDocument& grid, int repeat, const char* what, const std::function<int()>& command) {
  const int rows = grid.RowCount() - 1;
  double best = 1e30;
  double first = 0;
  int failures = 0;
  tabulo::ChangeRecord last;
  for (int i = 0; i < repeat; ++i) {
    tabulo::ChangeRecord changes;
    const double seconds = Seconds([&] {
      tabulo::EditTransaction edit(grid, what);
      failures = command();
      changes = edit.Commit();
    });
    if (i == 0) first = seconds;
    best = std::min(best, seconds);
    if (changes.Any()) grid.Undo();
    last = changes;
  }
  std::printf("%-40s %7.3f s  %6.1f ns/row  (first run %.3f s)", what, best, best / rows * 1e9, first);
  if (last.CellsChanged()) {
    std::printf("  changed rows %d..%d", last.firstRow, last.lastRow);
  } else {
    std::printf("  nothing changed");
  }
  std::printf(", failures %d\n", failures);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tabulo-edit-bench CORPUS [--repeat N]\n");
    return 2;
  }
  int repeat = 3;
  if (argc >= 4 && std::string(argv[2]) == "--repeat") repeat = std::max(1, std::atoi(argv[3]));

  const std::unique_ptr<tabulo::TableDocument> document = bench::LoadCorpus(argv[1]);
  tabulo::TableDocument& grid = *document;
  const int rows = grid.RowCount() - 1;

  const double tables = Seconds([] { tabulo::MapCharClass("a", tabulo::CharMapping::Upper); });
  std::printf("%-40s %7.3f s\n", "character tables built (first use)", tables);

  const auto column = [&](int col) { return tabulo::TGridRect{col, 1, col, rows}; };
  const auto convert = [&](int col, tabulo::CharMapping mapping) {
    return [&grid, &column, col, mapping] {
      tabulo::ConvertCharClass(grid, column(col), mapping, nullptr);
      return 0;
    };
  };
  const auto trim = [&](int col, tabulo::TrimKind kind) {
    return [&grid, &column, col, kind] { return tabulo::TrimRange(grid, column(col), kind, nullptr); };
  };
  Measure(grid, repeat, "halfwidth, フリガナ", convert(kReading, tabulo::CharMapping::HalfWidth));
  Measure(grid, repeat, "fullwidth, フリガナ", convert(kReading, tabulo::CharMapping::FullWidth));
  Measure(grid, repeat, "hiragana, フリガナ", convert(kReading, tabulo::CharMapping::Hiragana));
  Measure(grid, repeat, "katakana, フリガナ (nothing to do)", convert(kReading, tabulo::CharMapping::Katakana));
  Measure(grid, repeat, "fullwidth, 住所", convert(kAddress, tabulo::CharMapping::FullWidth));
  Measure(grid, repeat, "halfwidth, 住所", convert(kAddress, tabulo::CharMapping::HalfWidth));
  Measure(grid, repeat, "upper, 備考", convert(kNote, tabulo::CharMapping::Upper));
  Measure(grid, repeat, "lower, 備考", convert(kNote, tabulo::CharMapping::Lower));
  Measure(grid, repeat, "trim both, 住所", trim(kAddress, tabulo::TrimKind::Both));
  Measure(grid, repeat, "plain number, 数値", trim(kDecimal, tabulo::TrimKind::PlainNumber));
  Measure(grid, repeat, "plain number, 数量", trim(kQuantity, tabulo::TrimKind::PlainNumber));
  return 0;
}
