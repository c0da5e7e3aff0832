#pragma once

#include <QColor>
#include <QString>

#include <string_view>

#include "core/document/CellColors.h"
#include "core/document/GPItem.h"
#include "core/document/ShownText.h"
#include "core/locale/TextConverter.h"
#include "ui/print/paint/DrawFlags.h"

namespace tabulo::ui {

// The text a data cell shows on the screen (CellShownText).
QString CellDisplayText(const TGPItem& item, std::string_view stored, bool grouped, TextConverter& converter);

// A cell colour as Qt draws it; an invalid colour for the system colours,
// which the view's own palette gives.
QColor ToQColor(const Color& color);

}  // namespace tabulo::ui
