#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo {

// A line of the other file and its key.
struct TCompItem {
  std::size_t line;
  std::string_view key;
};

// The keys of the other file's lines, sorted by key in byte order and
// searched by halving. The key texts live in one buffer of the list.
class TCompList {
 public:
  void Reserve(std::size_t lines, std::size_t keyBytes) {
    m_items.reserve(lines);
    m_bytes.reserve(keyBytes);
  }
  void Add(std::size_t line, std::string_view key) {
    m_items.push_back({line, {}});
    m_offsets.push_back(m_bytes.size());
    m_bytes.append(key);
  }
  // Sorts by key; lines with equal keys stay in file order, so FindKey gives
  // the first of them.
  void Sort() {
    for (std::size_t i = 0; i < m_items.size(); ++i) {
      const std::size_t end = i + 1 < m_offsets.size() ? m_offsets[i + 1] : m_bytes.size();
      m_items[i].key = std::string_view(m_bytes).substr(m_offsets[i], end - m_offsets[i]);
    }
    m_offsets.clear();
    m_offsets.shrink_to_fit();
    std::stable_sort(m_items.begin(), m_items.end(),
                     [](const TCompItem& a, const TCompItem& b) { return a.key < b.key; });
  }
  // The line whose key equals `key`, or -1.
  long long FindKey(std::string_view key) const {
    const auto found = std::lower_bound(m_items.begin(), m_items.end(), key,
                                        [](const TCompItem& item, std::string_view k) { return item.key < k; });
    return found != m_items.end() && found->key == key ? static_cast<long long>(found->line) : -1;
  }
  std::size_t size() const noexcept { return m_items.size(); }

 private:
  std::vector<TCompItem> m_items;
  std::vector<std::size_t> m_offsets;
  std::string m_bytes;
};

}  // namespace tabulo
