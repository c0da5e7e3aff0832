#include "core/rows/MergeSource.h"

#include <algorithm>

#include "core/document/FieldList.h"
#include "core/document/SplitLine.h"
#include "core/locale/Cp932.h"

namespace tabulo {
namespace {

constexpr std::size_t kSampleLines = 10;

// Walks the fields of a line from its start, one at a time.
class FieldWalker {
 public:
  FieldWalker(std::string_view line, Delimiter delimiter)
      : m_line(line), m_separator(DelimiterByte(delimiter)), m_quotes(delimiter != Delimiter::Tab) {}

  bool AtEnd() const noexcept { return m_at >= m_line.size(); }

  // Reads the next field, into `text` when given, and steps over the
  // delimiter after it.
  void Next(std::string* text) {
    if (text) text->clear();
    if (m_quotes && m_at < m_line.size() && m_line[m_at] == '"') {
      ++m_at;
      while (m_at < m_line.size()) {
        if (m_line[m_at] == '"') {
          if (m_at + 1 < m_line.size() && m_line[m_at + 1] == '"') {
            if (text) *text += '"';
            m_at += 2;
            continue;
          }
          ++m_at;
          break;
        }
        const std::size_t length = CharLength(m_line, m_at);
        if (text) text->append(m_line.substr(m_at, length));
        m_at += length;
      }
    } else {
      const std::size_t end = std::min(FindChar(m_line, m_separator, m_at), m_line.size());
      if (text) text->assign(m_line.substr(m_at, end - m_at));
      m_at = end;
    }
    if (m_at < m_line.size() && m_line[m_at] == m_separator) ++m_at;
  }

 private:
  std::string_view m_line;
  char m_separator;
  bool m_quotes;
  std::size_t m_at = 0;
};

}  // namespace

std::string ExtractField(std::string_view line, Delimiter delimiter, int index) {
  FieldWalker walker(line, delimiter);
  std::string text;
  for (int field = 0; field < index; ++field) {
    if (walker.AtEnd()) return text;
    walker.Next(nullptr);
  }
  walker.Next(&text);
  return text;
}

MergeSource MergeSource::Read(const std::filesystem::path& path) { return MergeSource(TextLines::Read(path)); }

MergeSource MergeSource::FromBytes(std::string_view bytes) { return MergeSource(TextLines::FromBytes(bytes)); }

MergeSource::MergeSource(TextLines lines) : m_lines(std::move(lines)) {
  const std::size_t sample = std::min(kSampleLines, m_lines.size());
  bool tab = false;
  bool comma = false;
  for (std::size_t i = 0; i < sample; ++i) {
    tab = tab || FindChar(Line(i), '\t') != std::string_view::npos;
    comma = comma || FindChar(Line(i), ',') != std::string_view::npos;
  }
  m_delimiter = tab ? Delimiter::Tab : comma ? Delimiter::Comma : Delimiter::Blank;

  FieldList fields;
  for (std::size_t i = 0; i < sample; ++i) {
    SplitLine(Line(i), m_delimiter, fields, 0);
    m_fieldCount = std::max(m_fieldCount, static_cast<int>(fields.size()));
  }
  // In one walk: the first line may be long.
  FieldWalker walker(m_lines.empty() ? std::string_view() : Line(0), m_delimiter);
  m_labels.resize(static_cast<std::size_t>(m_fieldCount));
  for (std::string& label : m_labels) {
    if (walker.AtEnd()) break;
    walker.Next(&label);
  }
}

}  // namespace tabulo
