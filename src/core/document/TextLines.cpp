#include "core/document/TextLines.h"

#include <algorithm>

#include "core/base/FileIo.h"
#include "core/base/Progress.h"
#include "core/document/Delimiter.h"
#include "core/document/TextRecords.h"

namespace tabulo {

namespace {
constexpr std::size_t kBlockSize = std::size_t{1} << 20;
}  // namespace

// Appends each line to the buffer.
class LineCollector final : public RecordConsumer {
 public:
  explicit LineCollector(TextLines& lines) : m_lines(lines) {}
  Take Record(std::string_view text, bool) override {
    m_lines.m_bytes.append(text);
    m_lines.m_ends.push_back(m_lines.m_bytes.size());
    return Take::Taken;
  }

  // Line by line: the tab reader never joins lines.
  static TextLines ReadFrom(ByteSource& source, ProgressSink* progress) {
    TextLines lines;
    lines.m_bytes.reserve(static_cast<std::size_t>(source.Size()));
    LineCollector collector(lines);
    std::vector<char> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, source.Size() + 1)));
    ProgressScope scope(progress);
    ReadRecords(source, Delimiter::Tab, buffer, collector, progress ? &scope : nullptr);
    return lines;
  }

 private:
  TextLines& m_lines;
};

TextLines TextLines::Read(const std::filesystem::path& path, ProgressSink* progress) {
  InputFile file(path);
  return LineCollector::ReadFrom(file, progress);
}

TextLines TextLines::FromBytes(std::string_view bytes) {
  MemorySource source(bytes);
  return LineCollector::ReadFrom(source, nullptr);
}

std::size_t TextLines::LongestLine() const noexcept {
  std::size_t longest = 0;
  std::size_t begin = 0;
  for (std::size_t end : m_ends) {
    longest = std::max(longest, end - begin);
    begin = end;
  }
  return longest;
}

}  // namespace tabulo
