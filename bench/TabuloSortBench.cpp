// Measures sorting the million-row corpus:
//   tabulo-sort-bench CORPUS
// Each sort runs as the window runs it, one step "整列" (SortRows, then
// RenumberRows), and is undone before the next run. For each set of keys:
// the sort's first of three runs (the one that meets fresh memory) and the
// best, the whole step and its undo, the memory the sort takes above the
// document at its peak and what the step keeps in the history, each also
// per row.

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/Corpus.h"
#include "bench/ResidentMemory.h"
#include "bench/Timing.h"
#include "core/document/DocumentOperations.h"
#include "core/document/EditTransaction.h"
#include "core/rows/Sort.h"

namespace {

using tabulo::SortKind;
using tabulo::TKeyItem;

using namespace bench::corpus;

void Measure(tabulo::TableDocument& grid, const char* what, const std::vector<TKeyItem>& keys) {
  const auto rows = static_cast<double>(grid.RowCount() - 1);
  double first = 0;
  double best = 1e30;
  double step = 1e30;
  double undo = 1e30;
  double peakBytes = 0;
  double keptBytes = 0;
  for (int run = 0; run < 3; ++run) {
    grid.ClearHistory();  // the last run's undone step goes, as the next step would drop it
    const long residentBefore = ResidentKiB();
    ResetPeakResident();
    double sort = 0;
    const double whole = bench::Seconds([&] {
      tabulo::EditTransaction edit(grid, "整列");
      sort = bench::Seconds([&] { tabulo::SortRows(grid, keys, nullptr); });
      tabulo::RenumberRows(grid);
      edit.Commit();
    });
    if (run == 0) {
      first = sort;
      peakBytes = static_cast<double>(PeakResidentKiB() - residentBefore) * 1024;
      keptBytes = static_cast<double>(grid.History().MemoryBytes());
    }
    best = std::min(best, sort);
    step = std::min(step, whole);
    undo = std::min(undo, bench::Seconds([&] { grid.Undo(); }));
  }
  std::printf("%-26s sort first %6.3f s  best %6.3f s  step %6.3f s  undo %6.3f s\n", what, first, best, step, undo);
  std::printf("%-26s peak above the document %6.1f MB (%4.1f bytes a row)  kept by the step %6.1f MB (%4.1f bytes a row)\n",
              "", peakBytes / 1e6, peakBytes / rows, keptBytes / 1e6, keptBytes / rows);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tabulo-sort-bench CORPUS\n");
    return 2;
  }
  // Every large block straight from the system and back to it when freed, so
  // that each run's peak shows the memory that run takes.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  const std::unique_ptr<tabulo::TableDocument> document = bench::LoadCorpus(argv[1]);
  tabulo::TableDocument& grid = *document;
  std::printf("%.1f MB resident\n", static_cast<double>(ResidentKiB()) / 1024);

  Measure(grid, "price (number)", {{kPrice, SortKind::Number, true}});
  Measure(grid, "price descending", {{kPrice, SortKind::Number, false}});
  Measure(grid, "prefecture, reading (text)", {{kPrefecture, SortKind::Text, true}, {kReading, SortKind::Text, true}});
  Measure(grid, "reading (text with case)", {{kReading, SortKind::TextCase, true}});
  Measure(grid, "reading (bytes)", {{kReading, SortKind::Bytes, true}});
  Measure(grid, "address (text)", {{kAddress, SortKind::Text, true}});
  Measure(grid, "date", {{kDate, SortKind::Date, true}});
  return 0;
}
