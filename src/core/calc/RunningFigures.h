#pragma once

#include <algorithm>
#include <cmath>

namespace tabulo {

// The figures of a set of numbers taken one at a time: count, sum, extremes,
// and what the population variance needs. For the variance the values are
// also summed as distances from the first one: the textbook form
// Q / n - (S / n)^2 loses every digit to cancellation when the values share a
// large part (1000000000001, 1000000000002 …), and for equal values it can
// come out slightly negative. Shifted by a value of their own, equal values
// give exactly 0.
class RunningFigures {
 public:
  void Add(long double value) {
    if (m_count == 0) m_min = m_max = m_first = value;
    m_min = std::min(m_min, value);
    m_max = std::max(m_max, value);
    m_sum += value;
    const long double shifted = value - m_first;
    m_shiftedSum += shifted;
    m_shiftedSquares += shifted * shifted;
    ++m_count;
  }

  int Count() const { return m_count; }

  // Each of these is 0 while no value was added.
  long double Sum() const { return m_sum; }
  long double Max() const { return m_max; }
  long double Min() const { return m_min; }
  long double Mean() const { return m_count == 0 ? 0 : m_sum / m_count; }

  // A negative result can only be rounding, so it is 0.
  long double Variance() const {
    if (m_count == 0) return 0;
    const long double n = m_count;
    return std::max((m_shiftedSquares - m_shiftedSum * m_shiftedSum / n) / n, 0.0L);
  }
  long double StdDev() const { return std::sqrt(Variance()); }

 private:
  int m_count = 0;
  long double m_sum = 0;
  long double m_min = 0;
  long double m_max = 0;
  long double m_first = 0;
  long double m_shiftedSum = 0;
  long double m_shiftedSquares = 0;
};

}  // namespace tabulo
