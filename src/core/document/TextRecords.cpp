#include "core/document/TextRecords.h"

#include <algorithm>
#include <cstring>

#include "core/base/FileIo.h"
#include "core/base/Progress.h"
#include "core/document/SplitLine.h"

namespace tabulo {
namespace {

// A quoted field longer than this is taken for a stray quote: nobody keeps a
// quarter of a gigabyte in one cell, and holding more only delays the
// fallback to plain lines.
constexpr std::size_t kMaxJoinedRecord = std::size_t{256} << 20;

// Finds line breaks in one block. Two library searches beat a byte loop;
// the position of the next LF is remembered, so a file of CR-only lines does
// not search the rest of the block again for every line.
class LineBreakFinder {
 public:
  explicit LineBreakFinder(const char* end) noexcept : m_end(end) {}

  // The first CR or LF in [from, end), or end.
  const char* Next(const char* from) noexcept {
    if (m_lineFeed == nullptr || (m_lineFeed != m_end && m_lineFeed < from)) {
      const auto* found = static_cast<const char*>(std::memchr(from, '\n', static_cast<std::size_t>(m_end - from)));
      m_lineFeed = found ? found : m_end;
    }
    const auto* carriageReturn =
        static_cast<const char*>(std::memchr(from, '\r', static_cast<std::size_t>(m_lineFeed - from)));
    return carriageReturn ? carriageReturn : m_lineFeed;
  }

 private:
  const char* m_end;
  const char* m_lineFeed = nullptr;  // the next LF at or after the last search start, or end
};

// Calls `line` for every line of `text` cut at CR, LF or CR LF; a break at
// the very end adds no line. Stops when `line` returns false.
template <typename LineFunction>
bool ForEachLine(std::string_view text, LineFunction line) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t lineBreak = pos;
    while (lineBreak < text.size() && text[lineBreak] != '\r' && text[lineBreak] != '\n') ++lineBreak;
    if (!line(text.substr(pos, lineBreak - pos))) return false;
    pos = lineBreak;
    if (pos == text.size()) break;
    pos += text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
  }
  return true;
}

// Joins the lines of records whose quoted fields hold line breaks.
class RecordJoiner {
 public:
  RecordJoiner(Delimiter delimiter, RecordConsumer& consumer)
      : m_delimiter(delimiter), m_joins(delimiter == Delimiter::Comma || delimiter == Delimiter::Blank),
        m_consumer(consumer) {}

  // One line without its break; false once the consumer has stopped.
  bool Line(std::string_view line) {
    if (!m_open) {
      const RecordConsumer::Take take = m_consumer.Record(line, !m_joins);
      if (take != RecordConsumer::Take::OpenQuote) return take == RecordConsumer::Take::Taken;
      m_pending.assign(line);
      m_open = true;
      return true;
    }
    m_pending.append(line);
    const std::size_t end = FindContinuedFieldEnd(line, m_delimiter);
    if (end == std::string_view::npos || EndsInsideQuotes(line.substr(end), m_delimiter)) {
      return m_pending.size() <= kMaxJoinedRecord || TakePendingLineByLine();
    }
    m_open = false;
    return m_consumer.Record(m_pending, true) == RecordConsumer::Take::Taken;
  }

  // The bytes of the break after the last line (a CR LF split by a read
  // boundary comes as CR, then LF).
  void Break(std::string_view bytes) {
    if (m_open) m_pending.append(bytes);
  }

  // The end of the text: a quote still open never closes.
  bool Finish() { return !m_open || TakePendingLineByLine(); }

 private:
  bool TakePendingLineByLine() {
    m_open = false;
    const bool goOn = ForEachLine(m_pending, [this](std::string_view line) {
      return m_consumer.Record(line, true) == RecordConsumer::Take::Taken;
    });
    m_pending.clear();
    return goOn;
  }

  Delimiter m_delimiter;
  bool m_joins;
  RecordConsumer& m_consumer;
  bool m_open = false;
  std::string m_pending;  // the lines of an open record, with their breaks
};

}  // namespace

bool ReadRecords(ByteSource& source, Delimiter delimiter, std::vector<char>& buffer, RecordConsumer& consumer,
                 ProgressScope* progress) {
  RecordJoiner records(delimiter, consumer);
  std::string carry;  // the start of a line that runs over a block boundary
  bool skipLineFeed = false;  // the previous block ended with the CR of a possible CR LF
  std::uint64_t position = 0;
  const std::uint64_t size = source.Size();
  source.Rewind();
  for (;;) {
    const std::size_t count = source.Read(buffer.data(), buffer.size());
    if (count == 0) break;
    position += count;
    const char* p = buffer.data();
    const char* const end = p + count;
    if (skipLineFeed && *p == '\n') {
      records.Break("\n");
      ++p;
    }
    skipLineFeed = false;
    LineBreakFinder breaks(end);
    while (p < end) {
      const char* lineBreak = breaks.Next(p);
      if (lineBreak == end) {
        carry.append(p, end);
        break;
      }
      bool goOn = false;
      if (carry.empty()) {
        goOn = records.Line(std::string_view(p, static_cast<std::size_t>(lineBreak - p)));
      } else {
        carry.append(p, lineBreak);
        goOn = records.Line(carry);
        carry.clear();
      }
      if (!goOn) return false;
      p = lineBreak + 1;
      if (*lineBreak == '\n') {
        records.Break("\n");
      } else if (p < end && *p == '\n') {
        records.Break("\r\n");
        ++p;
      } else {
        records.Break("\r");
        skipLineFeed = p == end;
      }
    }
    if (progress) progress->Update(position, std::max(size, position));
  }
  if (!carry.empty() && !records.Line(carry)) return false;
  return records.Finish();
}

}  // namespace tabulo
