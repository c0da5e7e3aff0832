#pragma once

#include <QFont>

namespace tabulo::ui {

// The font of list entries laid out in bytes ("%-10.10s"): fixed pitch, with
// a double-byte character exactly as wide as two single-byte ones, so that
// padded fields line up whatever their script. Falls back to the system's
// fixed-pitch font.
QFont FixedPitchFont();

}  // namespace tabulo::ui
