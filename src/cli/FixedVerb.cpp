#include <algorithm>
#include <charconv>
#include <ostream>
#include <string>
#include <vector>

#include "cli/BatchSave.h"
#include "cli/ColumnArgument.h"
#include "cli/Verbs.h"
#include "core/base/Errors.h"
#include "core/document/DocumentOperations.h"
#include "core/document/TextLines.h"
#include "core/fixed/FixedFieldCnf.h"
#include "core/fixed/FixedImport.h"
#include "core/locale/Encoding.h"

namespace tabulo::cli {
namespace {

// In the order of the types 0-5, so a name's position is its type.
const std::vector<std::string>& TypeNames() {
  static const std::vector<std::string> names{"string", "integer", "numeric", "date", "time", "currency"};
  return names;
}

int LengthArgument(const std::string& text) {
  int length = 0;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(text.data(), last, length);
  if (error != std::errc() || end != last || length < 1) {
    throw UsageError(FormatMessage(MessageId::CliBadValue, {"--lengths", text, "1, 2, 3, ..."}));
  }
  return length;
}

// The layout the options describe: the row-number entry, then one entry per
// length with its type and title.
void LayoutArgument(const ParsedArgs& args, TFixedFieldCnf& definition) {
  const std::vector<std::string> lengths = SplitList(args.Value("--lengths"));
  const std::vector<std::string> types = args.Value("--types").empty() ? std::vector<std::string>()
                                                                        : SplitList(args.Value("--types"));
  const std::vector<std::string> titles = args.Value("--titles").empty() ? std::vector<std::string>()
                                                                          : SplitList(args.Value("--titles"));
  if (types.size() > lengths.size()) throw UsageError(FormatMessage(MessageId::CliConflictingOptions, {"--types", "--lengths"}));
  if (titles.size() > lengths.size()) throw UsageError(FormatMessage(MessageId::CliConflictingOptions, {"--titles", "--lengths"}));
  definition.Clear();
  definition.AddField();
  Cp932Converter converter;
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    definition.AddField();
    TGPItem& field = *definition.Field(definition.Count() - 1);
    field.FieldLength = LengthArgument(lengths[i]);
    if (i < types.size()) {
      const auto type = std::find(TypeNames().begin(), TypeNames().end(), types[i]);
      if (type == TypeNames().end()) {
        throw UsageError(FormatMessage(MessageId::CliBadValue, {"--types", types[i], "string, integer, numeric, date, time, currency"}));
      }
      field.DataType = static_cast<std::uint8_t>(type - TypeNames().begin());
    }
    if (i < titles.size()) {
      try {
        field.Title = converter.FromUtf8(titles[i]);
      } catch (const ConvertError& error) {
        throw UsageError(error.what());
      }
    }
  }
  definition.RecomputePositions();
}

// A clean-up option: its value when given, else `current`.
std::uint8_t FlagArgument(const ParsedArgs& args, const char* name, std::uint8_t current) {
  const std::string& value = args.Value(name);
  return value.empty() ? current : static_cast<std::uint8_t>(value == "yes");
}

}  // namespace

std::vector<CliOption> FixedOptions() {
  std::vector<CliOption> options = SaveOptionsSpec();
  options.push_back({"--lengths", "", {}, ""});
  options.push_back({"--types", "", {}, ""});
  options.push_back({"--titles", "", {}, ""});
  options.push_back({"--definition", "", {}, ""});
  // Empty when not given: a saved definition keeps its own options then.
  options.push_back({"--trim", "", YesNo(), ""});
  options.push_back({"--strip-zeros", "", YesNo(), ""});
  options.push_back({"--convert-commas", "", YesNo(), ""});
  options.push_back({"--save-definition", "", {}, ""});
  return options;
}

int RunFixed(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
  if (args.files.size() != 1) throw UsageError(FormatMessage(MessageId::CliWrongFileCount, {"1"}));
  RequireOutput(args);
  const std::string& name = args.Value("--definition");
  const bool layout = !args.Value("--lengths").empty();
  if (layout == !name.empty()) {
    throw UsageError(layout ? FormatMessage(MessageId::CliConflictingOptions, {"--lengths", "--definition"})
                            : FormatMessage(MessageId::CliMissingValue, {"--lengths"}));
  }
  if (!layout && (!args.Value("--types").empty() || !args.Value("--titles").empty())) {
    throw UsageError(FormatMessage(MessageId::CliConflictingOptions, {"--types/--titles", "--definition"}));
  }

  Document document;
  TFixedFieldCnf definition(document.printInfo, FixedDefinitionFolder());
  if (layout) {
    LayoutArgument(args, definition);
  } else {
    definition.LoadDefinition(name);
  }
  definition.TrimFields = FlagArgument(args, "--trim", definition.TrimFields);
  definition.StripZeros = FlagArgument(args, "--strip-zeros", definition.StripZeros);
  definition.ConvertCommas = FlagArgument(args, "--convert-commas", definition.ConvertCommas);

  const TextLines lines = TextLines::Read(args.files[0]);
  ImportFixedLines(lines, definition, {}, document.grid, nullptr);
  RenumberRows(document.grid);
  if (const std::string& saveAs = args.Value("--save-definition"); !saveAs.empty()) definition.SaveDefinition(saveAs);
  SaveOutput(document, args, out);
  (void)err;
  return 0;
}

}  // namespace tabulo::cli
