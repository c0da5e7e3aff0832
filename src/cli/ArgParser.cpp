#include "cli/ArgParser.h"

#include <algorithm>

#include "core/base/Messages.h"

namespace tabulo::cli {
namespace {

std::string Join(const std::vector<std::string>& values) {
  std::string joined;
  for (const std::string& value : values) joined += (joined.empty() ? "" : ", ") + value;
  return joined;
}

const CliOption* FindOption(const std::vector<CliOption>& options, const std::string& name) {
  for (const CliOption& option : options) {
    if (option.name == name || (!option.shortName.empty() && option.shortName == name)) return &option;
  }
  return nullptr;
}

}  // namespace

std::vector<std::string> YesNo() { return {"yes", "no"}; }

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<CliOption>& options) {
  ParsedArgs parsed;
  for (const CliOption& option : options) {
    parsed.values[option.name] = option.flag ? "no" : option.defaultValue;
    if (option.repeated) parsed.repeats[option.name];
  }
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      parsed.files.push_back(arg);  // "-" alone is a file name too
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      parsed.help = true;
      continue;
    }
    std::string name = arg;
    std::string value;
    bool hasValue = false;
    if (const auto equals = arg.find('='); arg.rfind("--", 0) == 0 && equals != std::string::npos) {
      name = arg.substr(0, equals);
      value = arg.substr(equals + 1);
      hasValue = true;
    }
    const CliOption* option = FindOption(options, name);
    if (option == nullptr) throw UsageError(FormatMessage(MessageId::CliUnknownOption, {name}));
    if (option->flag) {
      if (hasValue) throw UsageError(FormatMessage(MessageId::CliUnknownOption, {arg}));
      parsed.values[option->name] = "yes";
      continue;
    }
    if (!hasValue) {
      if (i + 1 >= args.size()) throw UsageError(FormatMessage(MessageId::CliMissingValue, {name}));
      value = args[++i];
    }
    if (!option->choices.empty() && std::find(option->choices.begin(), option->choices.end(), value) == option->choices.end()) {
      throw UsageError(FormatMessage(MessageId::CliBadValue, {name, value, Join(option->choices)}));
    }
    parsed.values[option->name] = value;
    if (option->repeated) parsed.repeats[option->name].push_back(value);
  }
  return parsed;
}

}  // namespace tabulo::cli
