#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/locale/TextConverter.h"
#include "core/rows/SortKeys.h"

struct UCollator;

namespace tabulo {

// The keys of one text sort key, made once per cell before sorting and then
// ranked, so that the sort compares integers: for the collating kinds ICU's
// sort key of the cell under the Japanese collation (Text at the secondary
// strength, which leaves letter case out; TextCase at the tertiary strength
// with lower case first), for Bytes the cell's own bytes. Each key is stored
// with its length in large blocks that never move; a cell whose text was met
// recently gets the same stored key again, so a column of a few dozen
// distinct values costs almost nothing.
class TextKeys {
 public:
  // `kind` is one of the three text kinds; `rows` sizes the cache of recent
  // texts. Throws std::runtime_error when ICU has no collation for Japanese.
  // Texts are in `encoding`; Bytes orders a UTF-8 text by the code page 932
  // codes of its characters (AppendCp932OrderKey), as its Shift-JIS copy.
  TextKeys(SortKind kind, std::size_t rows, TextEncoding encoding = TextEncoding::ShiftJis);
  ~TextKeys();
  TextKeys(const TextKeys&) = delete;
  TextKeys& operator=(const TextKeys&) = delete;

  // The stored key of a cell's text (code page 932), valid as long as this
  // object.
  const unsigned char* KeyOf(std::string_view text);

  // Numbers every stored key by its place among them, comparing their bytes
  // (a key before every longer key it begins): equal keys share a rank. Call
  // once, after the last KeyOf; returns the bytes it needed meanwhile.
  std::size_t RankKeys();
  // The rank of a stored key, after RankKeys.
  static std::uint32_t RankOf(const unsigned char* key) noexcept;

  // Bytes held, for measurements.
  std::size_t MemoryBytes() const noexcept;

 private:
  struct Recent {
    const char* text = nullptr;
    std::size_t size = 0;
    const unsigned char* key = nullptr;
  };
  struct Block {
    std::unique_ptr<unsigned char[]> data;
    std::size_t used = 0;
  };
  struct CollatorCloser {
    void operator()(UCollator* collator) const noexcept;
  };

  // ICU's sort key of `text`, into m_bytes.
  void MakeCollationKey(std::string_view text);
  const unsigned char* Store(std::span<const unsigned char> bytes);

  SortKind m_kind;
  std::unique_ptr<UCollator, CollatorCloser> m_collator;
  TextEncoding m_encoding;
  std::unique_ptr<TextConverter> m_converter;
  std::string m_orderKey;
  std::u16string m_utf16;
  std::vector<unsigned char> m_bytes;
  std::vector<Recent> m_recent;  // indexed by a hash of the text
  std::vector<Block> m_blocks;
  std::size_t m_blockSize;       // of each new block, unless a key needs more
  std::size_t m_blockBytes = 0;  // of all blocks
  std::size_t m_freeSize = 0;    // left in the last block
};

}  // namespace tabulo
