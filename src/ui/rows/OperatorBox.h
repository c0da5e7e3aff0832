#pragma once

#include <QComboBox>

namespace tabulo::ui {

// The operator list of a filter condition: "含む", "含まない", "＝", "＜",
// "＞", each drawn centred. While the condition targets every column, "＝",
// "＜" and "＞" are painted on red (they cannot be used there); otherwise,
// while the condition treats its texts as strings, "＜" and "＞" are painted
// on yellow (allowed, with a warning). The highlighted entry of the open list
// is painted as usual.
class OperatorBox final : public QComboBox {
  Q_OBJECT

 public:
  explicit OperatorBox(QWidget* parent = nullptr);

  // What decides the colours: whether the target is every column, and
  // whether the treatment is 文字.
  void SetCondition(bool allColumns, bool stringTreatment);
  // The background entry `index` shows in the current condition; invalid
  // (none) for the usual colour.
  QColor EntryColour(int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool m_allColumns = true;
  bool m_stringTreatment = true;
};

}  // namespace tabulo::ui
