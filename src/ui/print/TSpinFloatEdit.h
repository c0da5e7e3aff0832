#pragma once

#include <QDoubleSpinBox>

#include <cstdint>

namespace tabulo::ui {

// A spin box over a whole number of tenths (of a millimetre): it shows the
// value divided by ten with one decimal ("12.5"), reads what is typed back
// as round(text × 10), or as its minimum when the text is not a number, and
// keeps the value within its range unless minimum and maximum are equal
// (no range set yet).
class TSpinFloatEdit final : public QDoubleSpinBox {
  Q_OBJECT

 public:
  explicit TSpinFloatEdit(QWidget* parent = nullptr);

  std::int32_t Value() const;
  void SetValue(std::int32_t tenths);
  void SetRange(std::int32_t minimum, std::int32_t maximum);

 protected:
  double valueFromText(const QString& text) const override;
  QValidator::State validate(QString& text, int& pos) const override;

 private:
  std::int32_t m_minimum = 0;
  std::int32_t m_maximum = 0;
};

}  // namespace tabulo::ui
