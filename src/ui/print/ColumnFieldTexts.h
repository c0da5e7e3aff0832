#pragma once

#include <QString>
#include <array>

#include "ui/print/ColumnEntry.h"

namespace tabulo {
class TextConverter;
}

namespace tabulo::ui {

// The fields of a line of the column attribute list, left to right.
enum ListField { FieldName, FieldType, FieldWidth, FieldHorizontal, FieldVertical, FieldImeMode, FieldCount };

using ColumnFieldTexts = std::array<QString, FieldCount>;

// What a list line shows for `entry`: the title and the first row's text
// ("金額 : 1200"), the data type, the width in the mode's unit, the
// horizontal and vertical alignment, and the input-method mode. `converter`
// is for the entry's texts.
ColumnFieldTexts FieldTextsOf(const ColumnEntry& entry, AttributeDialogMode mode, TextConverter& converter);

}  // namespace tabulo::ui
