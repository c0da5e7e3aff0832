#pragma once

#include <cstddef>
#include <array>
#include <cstdint>
#include <vector>

namespace tabulo {

// Where the packed rows of one document live. Rows written in bulk (reading
// a file, rearranging columns) are placed one after another in large chunks,
// which costs one allocation per chunk instead of one per row; a row changed
// on its own gets a heap block. Each chunk counts the bytes of its rows still
// in use and is given back when that reaches zero, so replaced rows waste at
// most the chunks they shared with rows still alive.
class RowMemory {
 public:
  static constexpr std::uint16_t kHeap = 0;  // the chunk id of a heap block

  struct Block {
    char* data = nullptr;
    std::uint16_t chunk = kHeap;
  };

  RowMemory() = default;
  ~RowMemory();
  RowMemory(const RowMemory&) = delete;
  RowMemory& operator=(const RowMemory&) = delete;
  // Moving hands over the chunks; blocks keep their addresses.
  RowMemory(RowMemory&& other) noexcept;
  RowMemory& operator=(RowMemory&& other) noexcept;

  // `bytes` must be positive.
  Block Allocate(std::size_t bytes, bool bulk);
  // Gives back a block obtained from Allocate with the same size.
  void Release(const char* data, std::size_t bytes, std::uint16_t chunk) noexcept;

  // Bytes held in chunks (in use or not), for tests and measurements.
  std::size_t ChunkBytes() const noexcept;

 private:
  struct Chunk {
    char* base = nullptr;
    std::size_t size = 0;
    std::size_t used = 0;
    std::size_t live = 0;
  };

  std::uint16_t NewChunk(std::size_t minimum);
  void FreeChunk(std::uint16_t id) noexcept;
  void FreeAllChunks() noexcept;

  struct Spare {
    char* base;
    std::size_t size;
  };
  static constexpr std::size_t kMaxSpares = 2;

  std::vector<Chunk> m_chunks;            // entry 0, when present, stands for the heap
  std::array<Spare, kMaxSpares> m_spares{};  // freed chunks kept for reuse
  std::size_t m_spareCount = 0;
  std::uint16_t m_current = kHeap;       // the chunk bulk rows go to next
};

}  // namespace tabulo
