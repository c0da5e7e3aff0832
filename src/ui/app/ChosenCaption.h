#pragma once

class QColor;
class QPushButton;
class QWidget;

namespace tabulo::ui {

// A chosen item or a checked box shows its caption in blue; any other control
// takes the window-text colour of its parent. Only the active and inactive
// colours change, so a disabled control still looks disabled.
void PaintCaption(QWidget& control, bool chosen);

// A push button's caption in one colour, enabled or not (a red cancel
// button, a blue OK button).
void PaintButtonCaption(QPushButton& button, const QColor& colour);

}  // namespace tabulo::ui
