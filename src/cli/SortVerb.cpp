#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/BatchOpen.h"
#include "cli/BatchSave.h"
#include "cli/ColumnArgument.h"
#include "cli/Verbs.h"
#include "core/document/DocumentOperations.h"
#include "core/rows/Sort.h"

namespace tabulo::cli {
namespace {

struct KindWord {
  std::string_view word;
  SortKind kind;
};

// In the order of the dialog's kind buttons.
constexpr KindWord kKindWords[] = {
    {"text", SortKind::Text},     {"text-case", SortKind::TextCase}, {"bytes", SortKind::Bytes},
    {"number", SortKind::Number}, {"date", SortKind::Date},          {"time", SortKind::Time},
};

std::optional<SortKind> KindNamed(std::string_view word) {
  for (const KindWord& entry : kKindWords) {
    if (entry.word == word) return entry.kind;
  }
  return std::nullopt;
}

// One way to read COLUMN[:KIND][:asc|desc].
struct KeyReading {
  std::string column;
  std::optional<SortKind> kind;
  bool ascending = true;
};

// The readings of a --key value, the one that takes the most words off its
// end first. A word is taken only when it is a direction (last) or a kind,
// so a title holding ":" stays whole; should the shorter title not exist, a
// longer reading may still name a column.
std::vector<KeyReading> Readings(const std::string& text) {
  std::vector<KeyReading> readings{{text, std::nullopt, true}};
  KeyReading reading = readings.back();
  const auto lastWord = [&reading]() -> std::string_view {
    const std::size_t colon = reading.column.rfind(':');
    return colon == std::string::npos ? std::string_view() : std::string_view(reading.column).substr(colon + 1);
  };
  const auto dropLastWord = [&reading](std::string_view word) {
    reading.column.resize(reading.column.size() - word.size() - 1);
  };
  if (const std::string_view word = lastWord(); word == "asc" || word == "desc") {
    reading.ascending = word == "asc";
    dropLastWord(word);
    readings.insert(readings.begin(), reading);
  }
  if (const std::string_view word = lastWord(); KindNamed(word)) {
    reading.kind = KindNamed(word);
    dropLastWord(word);
    readings.insert(readings.begin(), reading);
  }
  return readings;
}

// The key a --key value names; when no reading names a column, the error
// names the column of the first reading.
TKeyItem KeyArgument(const TableDocument& grid, const std::string& text) {
  std::optional<UsageError> first;
  for (const KeyReading& reading : Readings(text)) {
    try {
      const int column = ResolveColumn(grid, reading.column);
      return {column, reading.kind.value_or(DefaultSortKind(grid.Item(column))), reading.ascending};
    } catch (const UsageError& error) {
      if (!first) first = error;
    }
  }
  throw *first;
}

}  // namespace

std::vector<CliOption> SortOptions() {
  std::vector<CliOption> options = SaveOptionsSpec();
  for (CliOption& option : OpenOptions()) options.push_back(std::move(option));
  options.push_back({"--key", "", {}, "", false, true});
  return options;
}

int RunSort(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
  if (args.files.size() != 1) throw UsageError(FormatMessage(MessageId::CliWrongFileCount, {"1"}));
  RequireOutput(args);
  if (args.Values("--key").empty()) throw UsageError(FormatMessage(MessageId::CliMissingValue, {"--key"}));
  Document document;
  OpenInput(document, args.files[0], args, err);
  TableDocument& grid = document.grid;
  std::vector<TKeyItem> keys;
  for (const std::string& key : args.Values("--key")) keys.push_back(KeyArgument(grid, key));

  // No history: the batch tool has nothing to undo.
  SortRows(grid, keys, nullptr);
  RenumberRows(grid);
  SaveOutput(document, args, out);
  return 0;
}

}  // namespace tabulo::cli
