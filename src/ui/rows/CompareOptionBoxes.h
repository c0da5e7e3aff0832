#pragma once

#include <array>

class QCheckBox;
class QWidget;

namespace tabulo::ui {

// The three comparison options of the filter, duplicate and merge dialogs,
// named as the dialogs know them: "カタカナとひらがなを区別しない"
// (CBNoKataHira), "半角と全角を区別しない" (CBNoHanZen) and
// "大文字と小文字を区別しない" (CBNoLS), the last checked when `ignoreCase`.
struct CompareOptionBoxes {
  QCheckBox* noKataHira;
  QCheckBox* noHanZen;
  QCheckBox* noLS;

  std::array<QCheckBox*, 3> All() const noexcept { return {noKataHira, noHanZen, noLS}; }
};

CompareOptionBoxes NewCompareOptionBoxes(QWidget* parent, bool ignoreCase);

}  // namespace tabulo::ui
