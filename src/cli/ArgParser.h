#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tabulo::cli {

// A mistake on the command line; the tool prints it with the usage and exits 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One option a verb accepts. An option takes a value ("--format tab" or
// "--format=tab"), unless it is a flag, whose value is "yes" when given and
// "no" otherwise; `choices`, when given, lists the values allowed. An option
// given twice keeps its last value, unless it is `repeated`: then every
// value counts, in the order given.
struct CliOption {
  std::string name;       // "--format"
  std::string shortName;  // "-o", or empty
  std::vector<std::string> choices;
  std::string defaultValue;
  bool flag = false;
  bool repeated = false;
};

struct ParsedArgs {
  bool help = false;
  std::map<std::string, std::string> values;  // by long name, defaults filled in
  std::map<std::string, std::vector<std::string>> repeats;  // repeated options, by long name
  std::vector<std::string> files;

  const std::string& Value(const std::string& name) const { return values.at(name); }
  bool Yes(const std::string& name) const { return Value(name) == "yes"; }
  // Every value of a repeated option, in order (none when it was not given).
  const std::vector<std::string>& Values(const std::string& name) const { return repeats.at(name); }
};

// Parses a verb's arguments: options before, between or after the files,
// "--" ends the options, "--help" asks for help. Throws UsageError.
ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<CliOption>& options);

// The choices of a yes/no option.
std::vector<std::string> YesNo();

}  // namespace tabulo::cli
