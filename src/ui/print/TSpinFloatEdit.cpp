#include "ui/print/TSpinFloatEdit.h"

#include <cmath>
#include <limits>

namespace tabulo::ui {

namespace {

constexpr double kUnbounded = 1e8;  // tenths; far beyond any sheet

}  // namespace

TSpinFloatEdit::TSpinFloatEdit(QWidget* parent) : QDoubleSpinBox(parent) {
  setDecimals(1);
  setSingleStep(0.1);
  setRange(-kUnbounded / 10, kUnbounded / 10);
  setKeyboardTracking(false);
}

std::int32_t TSpinFloatEdit::Value() const { return static_cast<std::int32_t>(std::lround(value() * 10)); }

void TSpinFloatEdit::SetValue(std::int32_t tenths) { setValue(tenths / 10.0); }

void TSpinFloatEdit::SetRange(std::int32_t minimum, std::int32_t maximum) {
  m_minimum = minimum;
  m_maximum = maximum;
  if (minimum == maximum) {
    setRange(-kUnbounded / 10, kUnbounded / 10);
  } else {
    setRange(minimum / 10.0, maximum / 10.0);
  }
}

double TSpinFloatEdit::valueFromText(const QString& text) const {
  bool ok = false;
  const double number = locale().toDouble(text.trimmed(), &ok);
  const double plain = ok ? number : text.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(plain)) return minimum();
  return std::round(plain * 10) / 10;
}

QValidator::State TSpinFloatEdit::validate(QString&, int&) const {
  // Anything may be typed; what is not a number reads as the minimum.
  return QValidator::Acceptable;
}

}  // namespace tabulo::ui
