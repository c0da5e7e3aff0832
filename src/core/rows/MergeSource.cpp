#include "core/rows/MergeSource.h"

#include <algorithm>

#include "core/base/FileIo.h"
#include "core/document/FieldList.h"
#include "core/document/SplitLine.h"
#include "core/locale/Cp932.h"
#include "core/locale/EncodingDetection.h"
#include "core/locale/TextConverter.h"

namespace tabulo {
namespace {

constexpr std::size_t kSampleLines = 10;

// The encoding of a file's text, read only as far as needed.
FileEncoding SniffFile(const std::filesystem::path& path) {
  InputFile file(path);
  EncodingSniffer sniffer;
  std::string buffer(1 << 16, '\0');
  while (!sniffer.Settled()) {
    const std::size_t count = file.Read(buffer.data(), buffer.size());
    if (count == 0) break;
    sniffer.Feed(std::string_view(buffer.data(), count));
  }
  return sniffer.Result();
}

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

MergeSource MergeSource::Read(const std::filesystem::path& path, TextEncoding encoding, EncodingChoice choice) {
  // A file in the document's encoding is read straight into the lines'
  // buffer; only one to convert is held whole first.
  const FileEncoding plain{encoding, false};
  if (ChooseEncoding(choice, SniffFile(path)) == plain) return MergeSource(TextLines::Read(path));
  return FromBytes(ReadWholeFile(path), encoding, choice);
}

MergeSource MergeSource::FromBytes(std::string_view bytes, TextEncoding encoding, EncodingChoice choice) {
  const FileEncoding found = ChooseEncoding(choice, DetectEncoding(bytes));
  if (found.byteOrderMark) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  if (found.encoding == encoding) return MergeSource(TextLines::FromBytes(bytes));
  // Line breaks, quotes and delimiters are the same bytes in both
  // encodings, so the text converts whole.
  TextConverter from(found.encoding);
  TextConverter to(encoding);
  return MergeSource(TextLines::FromBytes(to.FromUtf16(from.ToUtf16(bytes))));
}

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
