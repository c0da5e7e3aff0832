#include "core/document/EncodingConversion.h"

#include <optional>
#include <string>

#include "core/base/Errors.h"
#include "core/base/Messages.h"
#include "core/document/FieldList.h"
#include "core/locale/TextConverter.h"

namespace tabulo {
namespace {

// Converts one text between two encodings; nullopt when it would lose a
// character on the way.
class CellRecoder {
 public:
  CellRecoder(TextEncoding from, TextEncoding to) : m_from(from), m_to(to) {}

  std::optional<std::string> Convert(std::string_view text) {
    m_from.ToUtf16(text, m_unicode);
    // Code page 932 has no U+FFFD, and a UTF-8 cell holding it decodes it
    // like a damaged byte: either way the target would not get the text back.
    if (m_unicode.find(u'\uFFFD') != std::u16string::npos) return std::nullopt;
    try {
      return m_to.FromUtf16(m_unicode);
    } catch (const ConvertError&) {
      return std::nullopt;
    }
  }

  // The text with every character the target cannot hold, and every byte
  // that formed no character, replaced by "?".
  std::string ConvertReplacing(std::string_view text) {
    if (auto whole = Convert(text)) return *std::move(whole);
    std::string out;
    for (std::size_t i = 0; i < m_unicode.size();) {
      const bool pair = i + 1 < m_unicode.size() && m_unicode[i] >= 0xD800 && m_unicode[i] <= 0xDBFF &&
                        m_unicode[i + 1] >= 0xDC00 && m_unicode[i + 1] <= 0xDFFF;
      const std::u16string_view character(m_unicode.data() + i, pair ? 2 : 1);
      i += character.size();
      if (character[0] == u'\uFFFD') {
        out += '?';
        continue;
      }
      try {
        out += m_to.FromUtf16(character);
      } catch (const ConvertError&) {
        out += '?';
      }
    }
    return out;
  }

 private:
  TextConverter m_from;
  TextConverter m_to;
  std::u16string m_unicode;
};

// Calls `visit(col, row, text)` for every title and stored data cell.
template <typename Visit>
void ForEachText(const TableDocument& grid, Visit visit) {
  for (int col = 1; col < grid.ColCount(); ++col) visit(col, 0, std::string_view(grid.Item(col).Title));
  for (int row = 1; row < grid.RowCount(); ++row) {
    const PackedRow cells = grid.RowCells(row);
    for (std::uint32_t i = 0; i < cells.Count(); ++i) visit(static_cast<int>(i) + 1, row, cells.Cell(i));
  }
}

bool NeedsNoConversion(std::string_view text) {
  for (const char byte : text) {
    if (static_cast<unsigned char>(byte) >= 0x80) return false;
  }
  return true;
}

}  // namespace

UnconvertibleCells FindUnconvertibleCells(const TableDocument& grid, TextEncoding target, std::size_t listed) {
  UnconvertibleCells found;
  if (target == grid.Encoding().encoding) return found;
  CellRecoder recoder(grid.Encoding().encoding, target);
  ForEachText(grid, [&](int col, int row, std::string_view text) {
    if (NeedsNoConversion(text) || recoder.Convert(text)) return;
    ++found.count;
    if (found.first.size() < listed) found.first.push_back({col, row});
  });
  return found;
}

void ConvertDocumentEncoding(TableDocument& grid, const FileEncoding& target, bool replaceLost) {
  if (target.encoding != grid.Encoding().encoding) {
    if (!replaceLost && FindUnconvertibleCells(grid, target.encoding, 0).count > 0) {
      throw ConvertError(FormatMessage(target.encoding == TextEncoding::ShiftJis ? MessageId::TextNotShiftJis
                                                                                 : MessageId::TextNotUtf8,
                                       {""}));
    }
    CellRecoder recoder(grid.Encoding().encoding, target.encoding);
    for (int col = 1; col < grid.ColCount(); ++col) {
      if (!NeedsNoConversion(grid.Item(col).Title)) grid.Item(col).Title = recoder.ConvertReplacing(grid.Item(col).Title);
    }
    FieldList fields;
    for (int row = 1; row < grid.RowCount(); ++row) {
      const PackedRow cells = grid.RowCells(row);
      bool changes = false;
      for (std::uint32_t i = 0; i < cells.Count() && !changes; ++i) changes = !NeedsNoConversion(cells.Cell(i));
      if (!changes) continue;
      fields.Clear();
      for (std::uint32_t i = 0; i < cells.Count(); ++i) {
        const std::string_view cell = cells.Cell(i);
        if (NeedsNoConversion(cell)) {
          fields.Add(cell);
        } else {
          fields.Add(recoder.ConvertReplacing(cell));
        }
      }
      grid.SetRowCells(row, fields, 0, fields.size());
    }
  }
  FileEncoding result = target.encoding == TextEncoding::Utf8 ? target : FileEncoding{};
  // A UTF-8 text that only changes its byte-order mark keeps its line ends.
  if (target.encoding == TextEncoding::Utf8 && grid.Encoding().encoding == TextEncoding::Utf8) {
    result.lineFeedOnly = grid.Encoding().lineFeedOnly;
  }
  grid.SetEncoding(result);
}

std::string PositionsText(const UnconvertibleCells& cells) {
  std::string text;
  for (const auto& position : cells.first) {
    if (!text.empty()) text += ", ";
    text += "列 " + std::to_string(position.col) + " 行 " + std::to_string(position.row);
  }
  if (cells.count > cells.first.size()) text += ", …";
  return text;
}

}  // namespace tabulo
