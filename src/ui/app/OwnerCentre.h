#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tabulo {

// The top left corner that centres a window of `size` over `owner` (the
// owner's frame, in screen coordinates): owner left + trunc((owner width −
// width) / 2), and the same for the top. Halves are cut toward zero, also when
// the window is the larger one.
QPoint CentredOverOwner(const QRect& owner, const QSize& size);

// Where the main window opens before the user's own place is kept: two
// thirds of the screen's free area each way (never below `minimum`, never
// beyond the area), in its middle.
QRect DefaultWindowRect(const QRect& screen, const QSize& minimum);

// Moves `window` to the centre of `owner`'s frame, or of the screen when there
// is no owner.
void MoveToOwnerCentre(QWidget* window, const QWidget* owner);

}  // namespace tabulo
