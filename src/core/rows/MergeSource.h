#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/Delimiter.h"
#include "core/document/TextLines.h"
#include "core/locale/Cp932.h"
#include "core/locale/EncodingDetection.h"

namespace tabulo {

// One field of a line of the other file: the field with the 0-based `index`,
// empty when the line has fewer fields. Walking from the start, a field that
// begins with a double quote (unless the delimiter is TAB) is a quoted string:
// its quotes are removed, doubled quotes inside stand for one, and the walk
// goes on after the closing quote (without one the field takes the rest of
// the line); any other field runs up to the next delimiter. After a field one
// delimiter is skipped if it follows. Steps over double-byte characters as
// units.
std::string ExtractField(std::string_view line, Delimiter delimiter, int index);

// The other file of a merge: its lines in one buffer, its delimiter, its
// field count and the labels of its fields.
class MergeSource {
 public:
  // Reads the file; throws FileError when it cannot be read. Its text is
  // put into `encoding`, the document's, when its bytes show the other one
  // (see EncodingSniffer, which `choice` overrides; a byte-order mark is
  // dropped): ConvertError when a character cannot be held there.
  static MergeSource Read(const std::filesystem::path& path, TextEncoding encoding = TextEncoding::ShiftJis,
                          EncodingChoice choice = EncodingChoice::Auto);
  // The same from bytes already in memory.
  static MergeSource FromBytes(std::string_view bytes, TextEncoding encoding = TextEncoding::ShiftJis,
                               EncodingChoice choice = EncodingChoice::Auto);

  // Lines end at CR LF, CR or LF; a last line without a break counts, a
  // final break adds no empty line.
  std::size_t LineCount() const noexcept { return m_lines.size(); }
  std::string_view Line(std::size_t index) const noexcept { return m_lines[index]; }

  // TAB if one of the first ten lines holds a TAB, else a comma if one holds
  // a comma, else a blank.
  Delimiter FieldDelimiter() const noexcept { return m_delimiter; }
  // The largest number of fields among the first ten lines (SplitLine).
  int FieldCount() const noexcept { return m_fieldCount; }
  // Field i of the first line, for i below FieldCount.
  const std::vector<std::string>& Labels() const noexcept { return m_labels; }

 private:
  explicit MergeSource(TextLines lines);

  TextLines m_lines;
  Delimiter m_delimiter = Delimiter::Blank;
  int m_fieldCount = 0;
  std::vector<std::string> m_labels;
};

}  // namespace tabulo
