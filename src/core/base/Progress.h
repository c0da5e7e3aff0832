#pragma once

#include <cstdint>

namespace tabulo {

// The window's progress bar (0..100) as long operations see it.
class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  virtual void ShowProgress(int percent) = 0;
  virtual void HideProgress() = 0;
};

// Shows the bar at 0 for the length of a scope and hides it on every path out,
// failures included. Reports only changes of the whole percentage. The sink may
// be null.
class ProgressScope {
 public:
  explicit ProgressScope(ProgressSink* sink) : m_sink(sink) {
    if (m_sink) m_sink->ShowProgress(0);
  }
  ~ProgressScope() {
    if (m_sink) m_sink->HideProgress();
  }
  ProgressScope(const ProgressScope&) = delete;
  ProgressScope& operator=(const ProgressScope&) = delete;

  // Position trunc(done / total × 100).
  void Update(std::uint64_t done, std::uint64_t total) {
    if (!m_sink || total == 0) return;
    const int percent = static_cast<int>(done * 100 / total);
    if (percent != m_last) {
      m_last = percent;
      m_sink->ShowProgress(percent);
    }
  }

 private:
  ProgressSink* m_sink;
  int m_last = 0;
};

}  // namespace tabulo
