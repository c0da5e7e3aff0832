#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/base/Errors.h"
#include "core/editing/RangeWalk.h"
#include "core/locale/TextConverter.h"

namespace tabulo {

// Runs a cell conversion that reads and writes code page 932 text (dates
// with era names and weekdays, numbers with the locale's signs) on the cells
// of a document of `encoding`: a UTF-8 cell goes in as code page 932 and its
// result comes back as UTF-8, so both encodings give the same text. A UTF-8
// cell with a character code page 932 lacks fails. Made once per command.
class CodePageCells {
 public:
  explicit CodePageCells(TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) m_cp932.emplace(TextEncoding::ShiftJis);
  }

  // `convert(text, out)` is the code page 932 conversion.
  template <typename Convert>
  CellOutcome Run(std::string_view text, std::string& out, Convert&& convert) {
    if (!m_cp932) return convert(text, out);
    try {
      m_text = m_cp932->FromUtf8(text);
    } catch (const ConvertError&) {
      return CellOutcome::Fail;
    }
    const CellOutcome outcome = convert(std::string_view(m_text), m_result);
    if (outcome == CellOutcome::Write) out = m_cp932->ToUtf8(m_result);
    return outcome;
  }

 private:
  std::optional<TextConverter> m_cp932;
  std::string m_text;
  std::string m_result;
};

}  // namespace tabulo
