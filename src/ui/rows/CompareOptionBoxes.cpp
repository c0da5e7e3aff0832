#include "ui/rows/CompareOptionBoxes.h"

#include <QCheckBox>

#include "ui/app/NamedControl.h"

namespace tabulo::ui {

CompareOptionBoxes NewCompareOptionBoxes(QWidget* parent, bool ignoreCase) {
  CompareOptionBoxes boxes{
      Named(new QCheckBox(QStringLiteral("カタカナとひらがなを区別しない"), parent), "CBNoKataHira"),
      Named(new QCheckBox(QStringLiteral("半角と全角を区別しない"), parent), "CBNoHanZen"),
      Named(new QCheckBox(QStringLiteral("大文字と小文字を区別しない"), parent), "CBNoLS"),
  };
  boxes.noLS->setChecked(ignoreCase);
  return boxes;
}

}  // namespace tabulo::ui
