// Measures the fixed-length import of 1,000,000 records of 120 bytes with 10
// fields: reading the lines and cutting them into a document.
//   tabulo-fixed-bench [--lines N] [--repeat N] [--out FILE]
// With --out the records are also written there, for the batch tool and the
// dialog benchmark.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "bench/FixedRecords.h"
#include "bench/Timing.h"
#include "core/base/FileIo.h"
#include "core/document/TextLines.h"
#include "core/fixed/FixedImport.h"

int main(int argc, char** argv) {
  int lines = 1000000;
  int repeat = 3;
  const char* out = nullptr;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--lines") == 0) lines = std::atoi(argv[i + 1]);
    if (std::strcmp(argv[i], "--repeat") == 0) repeat = std::max(1, std::atoi(argv[i + 1]));
    if (std::strcmp(argv[i], "--out") == 0) out = argv[i + 1];
  }
  const std::string text = bench::FixedRecords(lines);
  const std::filesystem::path file = out ? std::filesystem::path(out)
                                         : std::filesystem::temp_directory_path() / "tabulo-fixed-bench.dat";
  tabulo::WriteWholeFile(file, text);
  std::printf("%d records of 120 bytes, 10 fields (%.1f MB), best of %d\n", lines, text.size() / 1e6, repeat);

  tabulo::TextLines read;
  const double reading = bench::BestSeconds(repeat, [&] { read = tabulo::TextLines::Read(file); });
  std::printf("read the lines                 %7.3f s  (%zu lines)\n", reading, read.size());

  tabulo::TGridPrintInfo printInfo;
  tabulo::TFixedFieldCnf definition(printInfo, std::filesystem::temp_directory_path() / "tabulo-fixed-bench-cnf");
  bench::LayFixedRecords(definition);
  const auto cut = [&](const char* what) {
    tabulo::TableDocument grid;
    const double seconds = bench::BestSeconds(repeat, [&] { tabulo::ImportFixedLines(read, definition, {}, grid, nullptr); });
    std::printf("%-30s %7.3f s  (%d rows)\n", what, seconds, grid.RowCount() - 1);
  };
  cut("cut into the document");
  definition.TrimFields = 1;
  definition.StripZeros = 1;
  cut("cut, trimmed, zeros stripped");
  if (!out) std::filesystem::remove(file);
  return 0;
}
