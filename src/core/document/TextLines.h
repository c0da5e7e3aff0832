#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo {

class ProgressSink;

// The lines of a text, held as one buffer with the end of each line: a line
// ends at CR LF, CR or LF (each one break), a last line without a break
// counts, a final break adds no empty line. The breaks themselves are not
// kept. Lines are split by the delimited reader's own line reading, so both
// agree on every text.
class TextLines {
 public:
  TextLines() = default;

  // Reads a whole file; throws FileError when it cannot be read. The progress
  // sink, which may be null, follows the reading.
  static TextLines Read(const std::filesystem::path& path, ProgressSink* progress = nullptr);
  static TextLines FromBytes(std::string_view bytes);

  std::size_t size() const noexcept { return m_ends.size(); }
  bool empty() const noexcept { return m_ends.empty(); }
  std::string_view operator[](std::size_t index) const noexcept {
    const std::size_t begin = index == 0 ? 0 : m_ends[index - 1];
    return std::string_view(m_bytes).substr(begin, m_ends[index] - begin);
  }
  // The length in bytes of the longest line (0 without lines).
  std::size_t LongestLine() const noexcept;

 private:
  friend class LineCollector;
  std::string m_bytes;
  std::vector<std::size_t> m_ends;
};

}  // namespace tabulo
