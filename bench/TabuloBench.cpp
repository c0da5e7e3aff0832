// Measures the core's reading and writing of the million-row corpus:
//   tabulo-bench CORPUS [--repeat N] [--out FOLDER]
// Prints throughput in MB/s (10^6 bytes of the file per second) and the
// resident memory the loaded document takes.

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/ResidentMemory.h"
#include "bench/Timing.h"
#include "core/base/FileIo.h"
#include "core/document/CsvReader.h"
#include "core/document/CsvWriter.h"
#include "core/document/DocumentOperations.h"

namespace {

using bench::BestSeconds;
using bench::YesPrompter;

void Report(const char* what, double bytes, double seconds) {
  std::printf("%-28s %8.3f s  %8.1f MB/s\n", what, seconds, bytes / seconds / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tabulo-bench CORPUS [--repeat N] [--out FOLDER]\n");
    return 2;
  }
  const std::filesystem::path corpus = argv[1];
  int repeat = 3;
  std::filesystem::path out = std::filesystem::temp_directory_path();
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--repeat") repeat = std::max(1, std::atoi(argv[i + 1]));
    if (option == "--out") out = argv[i + 1];
  }
  const auto fileBytes = static_cast<double>(std::filesystem::file_size(corpus));
  std::printf("corpus %s: %.1f MB, best of %d\n", corpus.c_str(), fileBytes / 1e6, repeat);

  YesPrompter prompter;
  const long before = ResidentKiB();
  auto document = std::make_unique<tabulo::TableDocument>();
  tabulo::LoadTextIntoGrid(corpus, *document, true, prompter, nullptr);
  const long loaded = ResidentKiB();
  std::printf("document: %d rows x %d columns, %.1f MB resident above the baseline (%.2f x file)\n",
              document->RowCount(), document->ColCount(), (loaded - before) / 1024.0,
              (loaded - before) * 1024.0 / fileBytes);

  const double load = BestSeconds(repeat, [&] { tabulo::LoadTextIntoGrid(corpus, *document, true, prompter, nullptr); });
  Report("LoadTextIntoGrid (replace)", fileBytes, load);

  const struct {
    const char* name;
    tabulo::SaveFormat format;
  } writers[] = {{"WriteCommaText", tabulo::SaveFormat::Comma},
                 {"WriteTabText", tabulo::SaveFormat::Tab},
                 {"WriteTypedCsv", tabulo::SaveFormat::Typed},
                 {"WriteQuotedCsv", tabulo::SaveFormat::Quoted},
                 {"WritePlainCsv", tabulo::SaveFormat::Plain}};
  const auto target = out / ("tabulo-bench-" + std::to_string(::getpid()) + ".csv");
  for (const auto& writer : writers) {
    const double seconds = BestSeconds(repeat, [&] {
      tabulo::AtomicFileWriter file(target);
      tabulo::WriteDelimitedText(*document, writer.format, false, false, file, nullptr);
      file.Commit();
    });
    const auto written = static_cast<double>(std::filesystem::file_size(target));
    Report(writer.name, written, seconds);
  }
  std::filesystem::remove(target);

  struct rusage usage {};
  ::getrusage(RUSAGE_SELF, &usage);
  std::printf("peak resident memory: %.1f MB\n", usage.ru_maxrss / 1024.0);
  return 0;
}
