#include "core/document/RowMemory.h"

#include <algorithm>
#include <new>

#include "core/base/LargeAllocator.h"

namespace tabulo {
namespace {

// Chunks start small, so that a small table stays small, and double up to
// the full size as a table grows.
constexpr std::size_t kFirstChunkSize = std::size_t{16} << 10;
constexpr std::size_t kChunkSize = std::size_t{32} << 20;
constexpr std::size_t kMaxChunks = 0xFFFF;

}  // namespace

RowMemory::~RowMemory() { FreeAllChunks(); }

RowMemory::RowMemory(RowMemory&& other) noexcept
    : m_chunks(std::move(other.m_chunks)), m_spares(other.m_spares), m_spareCount(other.m_spareCount),
      m_current(other.m_current) {
  other.m_chunks.clear();
  other.m_spareCount = 0;
  other.m_current = kHeap;
}

RowMemory& RowMemory::operator=(RowMemory&& other) noexcept {
  if (this != &other) {
    FreeAllChunks();
    m_chunks = std::move(other.m_chunks);
    m_spares = other.m_spares;
    m_spareCount = other.m_spareCount;
    m_current = other.m_current;
    other.m_chunks.clear();
    other.m_spareCount = 0;
    other.m_current = kHeap;
  }
  return *this;
}

void RowMemory::FreeAllChunks() noexcept {
  for (std::size_t id = 1; id < m_chunks.size(); ++id) {
    if (m_chunks[id].base != nullptr) FreeLarge(m_chunks[id].base, m_chunks[id].size);
  }
  for (std::size_t i = 0; i < m_spareCount; ++i) FreeLarge(m_spares[i].base, m_spares[i].size);
  m_spareCount = 0;
  m_chunks.clear();
  m_current = kHeap;
}

RowMemory::Block RowMemory::Allocate(std::size_t bytes, bool bulk) {
  if (!bulk) return {new char[bytes], kHeap};
  if (m_current == kHeap || m_chunks[m_current].size - m_chunks[m_current].used < bytes) {
    m_current = NewChunk(bytes);
  }
  Chunk& chunk = m_chunks[m_current];
  char* data = chunk.base + chunk.used;
  chunk.used += bytes;
  chunk.live += bytes;
  return {data, m_current};
}

void RowMemory::Release(const char* data, std::size_t bytes, std::uint16_t chunk) noexcept {
  if (data == nullptr) return;
  if (chunk == kHeap) {
    delete[] data;
    return;
  }
  Chunk& owner = m_chunks[chunk];
  owner.live -= bytes;
  if (owner.live == 0) FreeChunk(chunk);
}

std::size_t RowMemory::ChunkBytes() const noexcept {
  std::size_t total = 0;
  for (const Chunk& chunk : m_chunks) total += chunk.size;
  for (std::size_t i = 0; i < m_spareCount; ++i) total += m_spares[i].size;
  return total;
}

std::uint16_t RowMemory::NewChunk(std::size_t minimum) {
  if (m_chunks.empty()) m_chunks.emplace_back();
  auto free = std::find_if(m_chunks.begin() + 1, m_chunks.end(), [](const Chunk& c) { return c.base == nullptr; });
  if (free == m_chunks.end()) {
    if (m_chunks.size() > kMaxChunks) throw std::bad_alloc();
    free = m_chunks.insert(m_chunks.end(), Chunk{});
  }
  std::size_t largest = kFirstChunkSize / 2;
  for (const Chunk& chunk : m_chunks) largest = std::max(largest, chunk.size);
  const std::size_t size = std::max(std::min(largest * 2, kChunkSize), minimum);
  free->base = nullptr;
  for (std::size_t i = 0; i < m_spareCount; ++i) {
    if (m_spares[i].size >= size) {
      free->base = m_spares[i].base;
      free->size = m_spares[i].size;
      m_spares[i] = m_spares[--m_spareCount];
      break;
    }
  }
  if (free->base == nullptr) {
    free->base = static_cast<char*>(AllocateLarge(size));
    free->size = size;
  }
  free->used = 0;
  free->live = 0;
  return static_cast<std::uint16_t>(free - m_chunks.begin());
}

void RowMemory::FreeChunk(std::uint16_t id) noexcept {
  Chunk& chunk = m_chunks[id];
  // Rewriting many rows frees old chunks while it fills new ones: a freed
  // full-size chunk is kept for the next, whose pages are then already
  // there (fresh pages cost the system a fault and a clearing each).
  if (chunk.size == kChunkSize && m_spareCount < kMaxSpares) {
    m_spares[m_spareCount++] = {chunk.base, chunk.size};
  } else {
    FreeLarge(chunk.base, chunk.size);
  }
  chunk = Chunk{};
  if (m_current == id) m_current = kHeap;
}

}  // namespace tabulo
