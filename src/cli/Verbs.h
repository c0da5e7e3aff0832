#pragma once

#include <iosfwd>
#include <vector>

#include "cli/ArgParser.h"
#include "core/base/Messages.h"

namespace tabulo::cli {

// One verb of the batch tool: its name, help text, options and body. The
// body returns the exit status and lets TabuloError and UsageError escape.
struct Verb {
  const char* name;
  MessageId help;
  std::vector<CliOption> (*options)();
  int (*run)(const ParsedArgs& args, std::ostream& out, std::ostream& err);
};

const std::vector<Verb>& AllVerbs();

std::vector<CliOption> ConvertOptions();
int RunConvert(const ParsedArgs& args, std::ostream& out, std::ostream& err);

std::vector<CliOption> ShowOptions();
int RunShow(const ParsedArgs& args, std::ostream& out, std::ostream& err);

std::vector<CliOption> CalcOptions();
int RunCalc(const ParsedArgs& args, std::ostream& out, std::ostream& err);

std::vector<CliOption> AggregateOptions();
int RunAggregate(const ParsedArgs& args, std::ostream& out, std::ostream& err);

std::vector<CliOption> EvalOptions();
int RunEval(const ParsedArgs& args, std::ostream& out, std::ostream& err);

std::vector<CliOption> TransformOptions();
int RunTransform(const ParsedArgs& args, std::ostream& out, std::ostream& err);

std::vector<CliOption> ReplaceOptions();
int RunReplace(const ParsedArgs& args, std::ostream& out, std::ostream& err);

std::vector<CliOption> FilterOptionsSpec();
int RunFilter(const ParsedArgs& args, std::ostream& out, std::ostream& err);
std::vector<CliOption> SortOptions();
int RunSort(const ParsedArgs& args, std::ostream& out, std::ostream& err);

std::vector<CliOption> DedupeOptions();
int RunDedupe(const ParsedArgs& args, std::ostream& out, std::ostream& err);

std::vector<CliOption> MergeOptionsSpec();
int RunMerge(const ParsedArgs& args, std::ostream& out, std::ostream& err);

std::vector<CliOption> FixedOptions();
int RunFixed(const ParsedArgs& args, std::ostream& out, std::ostream& err);

// Only in a tool built with the window's libraries (it paints with Qt).
std::vector<CliOption> PrintOptions();
int RunPrint(const ParsedArgs& args, std::ostream& out, std::ostream& err);

}  // namespace tabulo::cli
