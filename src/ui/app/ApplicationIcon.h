#pragma once

#include <QIcon>
#include <QPixmap>

namespace tabulo {

// The program's icon, a small table: a sheet with a blue title row, a grey
// row-number column and grid lines. Painted in code at any size, so that it
// stays sharp from the title bar to the splash window.
QPixmap PaintApplicationIcon(int size);

// The icon at the sizes the desktop asks for.
QIcon ApplicationIcon();

}  // namespace tabulo
