#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/Delimiter.h"

namespace tabulo {

class ByteSource;
class ProgressScope;

// What a record reader does with each record it finds.
class RecordConsumer {
 public:
  enum class Take {
    Taken,      // the record was used
    OpenQuote,  // not used: its last quoted field does not close on this line
    Stop,       // used, and no more records are wanted
  };
  virtual ~RecordConsumer() = default;
  // `text` is one line, or with `whole` set a record to take as it is: the
  // lines of a quoted field joined with their breaks, or a single line read
  // the plain way because its quote never closes. Without `whole` a line whose
  // quote stays open may be given back as OpenQuote.
  virtual Take Record(std::string_view text, bool whole) = 0;
};

// Reads delimited text from its start and hands over its records. A line ends
// at CR, LF or CR LF (each one break, also across read boundaries); a last
// line without a break counts, a final break adds no empty line.
//
// Comma and blank text may hold quoted fields with line breaks: when a line's
// last quoted field does not close on it, the following lines join it up to
// the line where a quote closes it (before the delimiter or the line's end),
// and the consumer gets the joined record with the breaks' own bytes. If no
// such quote comes before the end of the text, or the record would grow past
// a quarter of a gigabyte, its lines are handed over one by one as plain lines
// instead, so a stray quote never swallows the rest of a file. Tab text and
// text without a delimiter are read line by line.
//
// `buffer` is the read buffer (its size is the block size). Progress, when
// given, follows the position in the text. Returns false when the consumer
// stopped the reading.
bool ReadRecords(ByteSource& source, Delimiter delimiter, std::vector<char>& buffer, RecordConsumer& consumer,
                 ProgressScope* progress);

}  // namespace tabulo
