#include "core/rows/TextKeys.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>
#include <stdexcept>

#include "core/locale/Cp932Order.h"

namespace tabulo {
namespace {

// A stored key: its rank (four bytes, written by RankKeys), its length (one
// byte below 255, else 255 and four bytes), its bytes.
constexpr std::size_t kRankSize = sizeof(std::uint32_t);
constexpr unsigned char kLongLength = 0xFF;
constexpr std::size_t kMaxBlockSize = std::size_t{1} << 20;
constexpr std::size_t kMaxRecent = std::size_t{1} << 16;

struct StoredKey {
  const unsigned char* bytes;
  std::uint32_t size;
  std::size_t storedSize;  // rank, length and bytes
};

StoredKey Read(const unsigned char* key) noexcept {
  const unsigned char* length = key + kRankSize;
  if (length[0] != kLongLength) return {length + 1, length[0], kRankSize + 1 + length[0]};
  std::uint32_t size;
  std::memcpy(&size, length + 1, sizeof size);
  return {length + 1 + sizeof size, size, kRankSize + 1 + sizeof size + size};
}

bool KeyLess(const unsigned char* a, const unsigned char* b) noexcept {
  const StoredKey x = Read(a);
  const StoredKey y = Read(b);
  const int bytes = std::memcmp(x.bytes, y.bytes, std::min(x.size, y.size));
  return bytes != 0 ? bytes < 0 : x.size < y.size;
}

bool KeyEqual(const unsigned char* a, const unsigned char* b) noexcept {
  const StoredKey x = Read(a);
  const StoredKey y = Read(b);
  return x.size == y.size && std::memcmp(x.bytes, y.bytes, x.size) == 0;
}

}  // namespace

void TextKeys::CollatorCloser::operator()(UCollator* collator) const noexcept { ucol_close(collator); }

TextKeys::TextKeys(SortKind kind, std::size_t rows, TextEncoding encoding)
    : m_kind(kind),
      m_encoding(encoding),
      m_recent(std::bit_ceil(std::clamp<std::size_t>(rows, 16, kMaxRecent))),
      m_blockSize(std::clamp<std::size_t>(rows * 32, 4096, kMaxBlockSize)) {
  if (kind != SortKind::Bytes) {
    UErrorCode error = U_ZERO_ERROR;
    m_collator.reset(ucol_open("ja", &error));
    if (U_FAILURE(error)) throw std::runtime_error("ICU has no collation for Japanese");
    // Case is a tertiary difference: the secondary strength leaves it out.
    ucol_setStrength(m_collator.get(), kind == SortKind::Text ? UCOL_SECONDARY : UCOL_TERTIARY);
    ucol_setAttribute(m_collator.get(), UCOL_CASE_FIRST, UCOL_LOWER_FIRST, &error);
    m_converter = std::make_unique<TextConverter>(encoding);
  }
}

TextKeys::~TextKeys() = default;

const unsigned char* TextKeys::KeyOf(std::string_view text) {
  Recent& recent = m_recent[std::hash<std::string_view>()(text) & (m_recent.size() - 1)];
  if (recent.key != nullptr && std::string_view(recent.text, recent.size) == text) return recent.key;
  const unsigned char* key = nullptr;
  if (m_kind == SortKind::Bytes && m_encoding == TextEncoding::Utf8) {
    m_orderKey.clear();
    AppendCp932OrderKey(text, m_orderKey);
    key = Store({reinterpret_cast<const unsigned char*>(m_orderKey.data()), m_orderKey.size()});
  } else if (m_kind == SortKind::Bytes) {
    key = Store({reinterpret_cast<const unsigned char*>(text.data()), text.size()});
  } else {
    MakeCollationKey(text);
    key = Store(m_bytes);
  }
  recent = {text.data(), text.size(), key};
  return key;
}

void TextKeys::MakeCollationKey(std::string_view text) {
  m_converter->ToUtf16(text, m_utf16);
  if (m_bytes.size() < 64) m_bytes.resize(64);
  const auto length = static_cast<int32_t>(m_utf16.size());
  int32_t size = ucol_getSortKey(m_collator.get(), m_utf16.data(), length, m_bytes.data(),
                                 static_cast<int32_t>(m_bytes.size()));
  if (size > static_cast<int32_t>(m_bytes.size())) {
    m_bytes.resize(static_cast<std::size_t>(size));
    size = ucol_getSortKey(m_collator.get(), m_utf16.data(), length, m_bytes.data(), size);
  }
  if (size <= 0) throw std::runtime_error("collation failed");
  m_bytes.resize(static_cast<std::size_t>(size - 1));  // without the closing zero, which sorts first anyway
}

const unsigned char* TextKeys::Store(std::span<const unsigned char> bytes) {
  const std::size_t header = kRankSize + (bytes.size() < kLongLength ? 1 : 1 + sizeof(std::uint32_t));
  const std::size_t need = header + bytes.size();
  if (need > m_freeSize) {
    const std::size_t size = std::max(need, m_blockSize);
    m_blocks.push_back({std::make_unique_for_overwrite<unsigned char[]>(size), 0});
    m_blockBytes += size;
    m_freeSize = size;
  }
  Block& block = m_blocks.back();
  unsigned char* key = block.data.get() + block.used;
  unsigned char* length = key + kRankSize;
  if (bytes.size() < kLongLength) {
    length[0] = static_cast<unsigned char>(bytes.size());
  } else {
    length[0] = kLongLength;
    const auto size = static_cast<std::uint32_t>(bytes.size());
    std::memcpy(length + 1, &size, sizeof size);
  }
  if (!bytes.empty()) std::memcpy(key + header, bytes.data(), bytes.size());
  block.used += need;
  m_freeSize -= need;
  return key;
}

std::size_t TextKeys::RankKeys() {
  std::vector<unsigned char*> keys;
  for (Block& block : m_blocks) {
    for (std::size_t at = 0; at < block.used; at += Read(block.data.get() + at).storedSize) {
      keys.push_back(block.data.get() + at);
    }
  }
  std::sort(keys.begin(), keys.end(), KeyLess);
  std::uint32_t rank = 0;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (i > 0 && !KeyEqual(keys[i - 1], keys[i])) ++rank;
    std::memcpy(keys[i], &rank, sizeof rank);
  }
  return keys.capacity() * sizeof(unsigned char*);
}

std::uint32_t TextKeys::RankOf(const unsigned char* key) noexcept {
  std::uint32_t rank;
  std::memcpy(&rank, key, sizeof rank);
  return rank;
}

std::size_t TextKeys::MemoryBytes() const noexcept {
  return m_blockBytes + m_recent.capacity() * sizeof(Recent) + m_bytes.capacity() +
         m_utf16.capacity() * sizeof(char16_t);
}

}  // namespace tabulo
