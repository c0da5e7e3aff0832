#include "core/rows/TextKeys.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>
#include <stdexcept>

namespace tabulo {
namespace {

// Keys are stored behind their length: one byte below 255, else 255 and
// four bytes.
constexpr unsigned char kLongLength = 0xFF;
constexpr std::size_t kMaxBlockSize = std::size_t{1} << 20;
constexpr std::size_t kMaxRecent = std::size_t{1} << 16;

struct StoredKey {
  const unsigned char* bytes;
  std::uint32_t size;
};

StoredKey Read(const unsigned char* key) noexcept {
  if (key[0] != kLongLength) return {key + 1, key[0]};
  std::uint32_t size;
  std::memcpy(&size, key + 1, sizeof size);
  return {key + 1 + sizeof size, size};
}

}  // namespace

void TextKeys::CollatorCloser::operator()(UCollator* collator) const noexcept { ucol_close(collator); }

TextKeys::TextKeys(SortKind kind, std::size_t rows)
    : m_kind(kind),
      m_recent(std::bit_ceil(std::clamp<std::size_t>(rows, 16, kMaxRecent))),
      m_blockSize(std::clamp<std::size_t>(rows * 32, 4096, kMaxBlockSize)) {
  if (kind != SortKind::Bytes) {
    UErrorCode error = U_ZERO_ERROR;
    m_collator.reset(ucol_open("ja", &error));
    if (U_FAILURE(error)) throw std::runtime_error("ICU has no collation for Japanese");
    // Case is a tertiary difference: the secondary strength leaves it out.
    ucol_setStrength(m_collator.get(), kind == SortKind::Text ? UCOL_SECONDARY : UCOL_TERTIARY);
    ucol_setAttribute(m_collator.get(), UCOL_CASE_FIRST, UCOL_LOWER_FIRST, &error);
    m_converter = std::make_unique<Cp932Converter>();
  }
}

TextKeys::~TextKeys() = default;

const unsigned char* TextKeys::KeyOf(std::string_view text) {
  Recent& recent = m_recent[std::hash<std::string_view>()(text) & (m_recent.size() - 1)];
  if (recent.key != nullptr && std::string_view(recent.text, recent.size) == text) return recent.key;
  const unsigned char* key = nullptr;
  if (m_kind == SortKind::Bytes) {
    key = Store({reinterpret_cast<const unsigned char*>(text.data()), text.size()});
  } else {
    MakeKey(text);
    key = Store(m_bytes);
  }
  recent = {text.data(), text.size(), key};
  return key;
}

void TextKeys::MakeKey(std::string_view text) {
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
  const std::size_t header = bytes.size() < kLongLength ? 1 : 1 + sizeof(std::uint32_t);
  const std::size_t need = header + bytes.size();
  if (need > m_freeSize) {
    const std::size_t size = std::max(need, m_blockSize);
    m_blocks.push_back(std::make_unique_for_overwrite<unsigned char[]>(size));
    m_blockBytes += size;
    m_free = m_blocks.back().get();
    m_freeSize = size;
  }
  unsigned char* key = m_free;
  if (header == 1) {
    key[0] = static_cast<unsigned char>(bytes.size());
  } else {
    key[0] = kLongLength;
    const auto size = static_cast<std::uint32_t>(bytes.size());
    std::memcpy(key + 1, &size, sizeof size);
  }
  if (!bytes.empty()) std::memcpy(key + header, bytes.data(), bytes.size());
  m_free += need;
  m_freeSize -= need;
  return key;
}

int TextKeys::Compare(const unsigned char* a, const unsigned char* b) noexcept {
  if (a == b) return 0;
  const StoredKey x = Read(a);
  const StoredKey y = Read(b);
  const int bytes = std::memcmp(x.bytes, y.bytes, std::min(x.size, y.size));
  if (bytes != 0) return bytes < 0 ? -1 : 1;
  return x.size < y.size ? -1 : x.size > y.size ? 1 : 0;
}

std::size_t TextKeys::MemoryBytes() const noexcept {
  return m_blockBytes + m_recent.capacity() * sizeof(Recent) + m_bytes.capacity() +
         m_utf16.capacity() * sizeof(char16_t);
}

}  // namespace tabulo
