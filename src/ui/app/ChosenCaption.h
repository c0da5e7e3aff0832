#pragma once

class QWidget;

namespace tabulo::ui {

// A chosen item or a checked box shows its caption in blue; any other control
// takes the window-text colour of its parent. Only the active and inactive
// colours change, so a disabled control still looks disabled.
void PaintCaption(QWidget& control, bool chosen);

}  // namespace tabulo::ui
