#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo {

// The fields of one line: all bytes in one buffer and the end offset of each
// field, so splitting a million lines allocates nothing once the buffers have
// grown. Views returned by operator[] stay valid until the next change.
class FieldList {
 public:
  void Clear() noexcept {
    m_bytes.clear();
    m_ends.clear();
  }

  std::size_t size() const noexcept { return m_ends.size(); }
  bool empty() const noexcept { return m_ends.empty(); }

  std::string_view operator[](std::size_t index) const noexcept {
    const std::uint32_t begin = index == 0 ? 0 : m_ends[index - 1];
    return std::string_view(m_bytes).substr(begin, m_ends[index] - begin);
  }

  // Appends bytes to the field being built; EndField closes it.
  void Append(std::string_view bytes) { m_bytes.append(bytes); }
  void Append(char byte) { m_bytes.push_back(byte); }
  void EndField();

  void Add(std::string_view field) {
    Append(field);
    EndField();
  }
  void AddEmpty() { EndField(); }

  // The raw storage, for packing fields into a row without copying each.
  const std::string& Bytes() const noexcept { return m_bytes; }
  const std::vector<std::uint32_t>& Ends() const noexcept { return m_ends; }

 private:
  std::string m_bytes;
  std::vector<std::uint32_t> m_ends;
};

}  // namespace tabulo
