#include "cli/Cli.h"

#include <algorithm>
#include <new>
#include <ostream>

#include "cli/Verbs.h"
#include "core/base/Errors.h"

namespace tabulo::cli {

const std::vector<Verb>& AllVerbs() {
  static const std::vector<Verb> verbs{
      {"convert", MessageId::CliConvertHelp, ConvertOptions, RunConvert},
      {"show", MessageId::CliShowHelp, ShowOptions, RunShow},
      {"calc", MessageId::CliCalcHelp, CalcOptions, RunCalc},
      {"aggregate", MessageId::CliAggregateHelp, AggregateOptions, RunAggregate},
      {"eval", MessageId::CliEvalHelp, EvalOptions, RunEval},
      {"transform", MessageId::CliTransformHelp, TransformOptions, RunTransform},
      {"replace", MessageId::CliReplaceHelp, ReplaceOptions, RunReplace},
      {"filter", MessageId::CliFilterHelp, FilterOptionsSpec, RunFilter},
      {"sort", MessageId::CliSortHelp, SortOptions, RunSort},
      {"dedupe", MessageId::CliDedupeHelp, DedupeOptions, RunDedupe},
      {"merge", MessageId::CliMergeHelp, MergeOptionsSpec, RunMerge},
      {"fixed", MessageId::CliFixedHelp, FixedOptions, RunFixed},
#ifdef TABULO_CLI_PRINT
      {"print", MessageId::CliPrintHelp, PrintOptions, RunPrint},
#endif
  };
  return verbs;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    (args.empty() ? err : out) << MessageText(MessageId::CliUsage) << '\n';
    return args.empty() ? 2 : 0;
  }
  const auto& verbs = AllVerbs();
  const auto verb = std::find_if(verbs.begin(), verbs.end(), [&](const Verb& v) { return args[0] == v.name; });
  if (verb == verbs.end()) {
    err << FormatMessage(MessageId::CliUnknownVerb, {args[0]}) << '\n' << MessageText(MessageId::CliUsage) << '\n';
    return 2;
  }
  try {
    const ParsedArgs parsed = ParseArgs(std::vector<std::string>(args.begin() + 1, args.end()), verb->options());
    if (parsed.help) {
      out << MessageText(verb->help) << '\n';
      return 0;
    }
    return verb->run(parsed, out, err);
  } catch (const UsageError& error) {
    err << error.what() << '\n' << MessageText(verb->help) << '\n';
    return 2;
  } catch (const TabuloError& error) {
    err << error.what() << '\n';
    return 1;
  } catch (const std::bad_alloc&) {
    err << MessageText(MessageId::OutOfMemory) << '\n';
    return 1;
  }
}

}  // namespace tabulo::cli
