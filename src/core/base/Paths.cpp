#include "core/base/Paths.h"

#include <string>

namespace tabulo {

std::filesystem::path ChangeFileExt(const std::filesystem::path& path, std::string_view extension) {
  const std::string& text = path.native();
  const std::size_t slash = text.rfind('/');
  const std::size_t dot = text.rfind('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  std::string result = hasExtension ? text.substr(0, dot) : text;
  result += extension;
  return result;
}

}  // namespace tabulo
