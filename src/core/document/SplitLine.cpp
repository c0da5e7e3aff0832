#include "core/document/SplitLine.h"

#include "core/locale/Cp932.h"

namespace tabulo {
namespace {

constexpr bool IsLineBreak(char byte) noexcept { return byte == '\r' || byte == '\n'; }

// Whether the quote at `quote` ends a quoted field that has run over a line
// break: it must stand before the delimiter, a line break or the end.
bool EndsContinuedField(std::string_view text, std::size_t quote, char separator) noexcept {
  const std::size_t next = quote + 1;
  return next == text.size() || text[next] == separator || IsLineBreak(text[next]);
}

bool HasLineBreak(std::string_view text) noexcept {
  return FindChar(text, '\r') != std::string_view::npos || FindChar(text, '\n') != std::string_view::npos;
}

// The fields of a line go to a consumer: the splitter fills a FieldList,
// the scanners only look.
class FieldSink {
 public:
  explicit FieldSink(FieldList& fields) : m_fields(fields) {}
  std::size_t Count() const noexcept { return m_fields.size(); }
  void Literal(std::string_view field) { m_fields.Add(field); }
  void Empty() { m_fields.AddEmpty(); }
  void QuotedBytes(std::string_view bytes) { m_fields.Append(bytes); }
  void QuotedByte(char byte) { m_fields.Append(byte); }
  void EndQuoted(bool /*closed*/) { m_fields.EndField(); }

 private:
  FieldList& m_fields;
};

// Looks for a byte outside quoted fields; a field whose quote never closes
// counts as outside, since the text may not be quoted at all.
class UnquotedByteFinder {
 public:
  explicit UnquotedByteFinder(char byte) : m_byte(byte) {}
  std::size_t Count() const noexcept { return m_count; }
  void Literal(std::string_view field) {
    ++m_count;
    m_found |= FindChar(field, m_byte) != std::string_view::npos;
  }
  void Empty() { ++m_count; }
  void QuotedBytes(std::string_view bytes) {
    if (FindChar(bytes, m_byte) != std::string_view::npos) m_quotedHasByte = true;
  }
  void QuotedByte(char /*byte*/) {}
  void EndQuoted(bool closed) {
    ++m_count;
    m_found |= !closed && m_quotedHasByte;
    m_quotedHasByte = false;
  }
  bool Found() const noexcept { return m_found; }

 private:
  char m_byte;
  std::size_t m_count = 0;
  bool m_quotedHasByte = false;
  bool m_found = false;
};

// Counts fields only (for the open-quote question).
class FieldCounter {
 public:
  std::size_t Count() const noexcept { return m_count; }
  void Literal(std::string_view /*field*/) { ++m_count; }
  void Empty() { ++m_count; }
  void QuotedBytes(std::string_view /*bytes*/) {}
  void QuotedByte(char /*byte*/) {}
  void EndQuoted(bool /*closed*/) { ++m_count; }

 private:
  std::size_t m_count = 0;
};

struct QuotedEnd {
  std::size_t next;  // the scan position after the field
  bool closed;
};

// Reads a quoted field whose opening quote stands just before `start`. On the
// line it begins on, the next quote not doubled closes it; once it has run
// over a line break, only a quote before the delimiter, a line break or the
// end does, and any other single quote is data. Without a closing quote the
// field keeps the rest of the text, last byte included.
template <typename Sink>
QuotedEnd ExtractQuoted(std::string_view text, std::size_t start, char separator, Sink& sink) {
  std::size_t pos = start;
  for (;;) {
    const std::size_t quote = FindChar(text, '"', pos);
    if (quote == std::string_view::npos) {
      sink.QuotedBytes(text.substr(pos));
      sink.EndQuoted(false);
      return {text.size(), false};
    }
    sink.QuotedBytes(text.substr(pos, quote - pos));
    if (quote + 1 < text.size() && text[quote + 1] == '"') {
      sink.QuotedByte('"');
      pos = quote + 2;
      continue;
    }
    if (!EndsContinuedField(text, quote, separator) && HasLineBreak(text.substr(start, quote - start))) {
      sink.QuotedByte('"');
      pos = quote + 1;
      continue;
    }
    sink.EndQuoted(true);
    return {quote + 1, true};
  }
}

template <typename Sink>
SplitOutcome WalkFields(std::string_view line, Delimiter delimiter, Sink& sink, std::size_t maxFields) {
  if (delimiter == Delimiter::None) {
    if (line.empty()) return SplitOutcome::Complete;
    if (sink.Count() >= maxFields) return SplitOutcome::TooManyFields;
    sink.Literal(line);
    return SplitOutcome::Complete;
  }
  const char separator = DelimiterByte(delimiter);
  const bool quotesAreSpecial = delimiter != Delimiter::Tab;
  bool openQuote = false;
  std::size_t pos = 0;
  while (pos < line.size()) {
    if (sink.Count() >= maxFields) return SplitOutcome::TooManyFields;
    if (quotesAreSpecial && line[pos] == '"') {
      const QuotedEnd end = ExtractQuoted(line, pos + 1, separator, sink);
      pos = end.next;
      openQuote = !end.closed;
    } else {
      std::size_t end = FindChar(line, separator, pos);
      if (end == std::string_view::npos) end = line.size();
      sink.Literal(line.substr(pos, end - pos));
      pos = end;
    }
    if (pos < line.size() && line[pos] == separator) {
      ++pos;
      if (pos == line.size()) {
        if (sink.Count() >= maxFields) return SplitOutcome::TooManyFields;
        sink.Empty();
      }
    }
  }
  return openQuote ? SplitOutcome::OpenQuote : SplitOutcome::Complete;
}

}  // namespace

SplitOutcome SplitLine(std::string_view line, Delimiter delimiter, FieldList& fields, int leading,
                       std::size_t maxFields) {
  fields.Clear();
  for (int i = 0; i < leading; ++i) fields.AddEmpty();
  FieldSink sink(fields);
  return WalkFields(line, delimiter, sink, maxFields);
}

bool EndsInsideQuotes(std::string_view line, Delimiter delimiter) {
  FieldCounter counter;
  return WalkFields(line, delimiter, counter, static_cast<std::size_t>(-1)) == SplitOutcome::OpenQuote;
}

std::size_t FindContinuedFieldEnd(std::string_view line, Delimiter delimiter) {
  const char separator = DelimiterByte(delimiter);
  for (std::size_t quote = FindChar(line, '"'); quote != std::string_view::npos; quote = FindChar(line, '"', quote + 1)) {
    if (quote + 1 < line.size() && line[quote + 1] == '"') {
      ++quote;  // a doubled quote is data
    } else if (EndsContinuedField(line, quote, separator)) {
      return quote + 1;
    }
  }
  return std::string_view::npos;
}

UnquotedByteScan ScanForUnquotedByte(std::string_view line, Delimiter delimiter, char byte) {
  UnquotedByteFinder finder(byte);
  const SplitOutcome outcome = WalkFields(line, delimiter, finder, static_cast<std::size_t>(-1));
  return {outcome, finder.Found()};
}

}  // namespace tabulo
