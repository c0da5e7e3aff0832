#pragma once

#include <Qt>

#include <cstdint>

#include "core/document/GPItem.h"

namespace tabulo::ui {

// The alignment of a column's drawing flags, on the screen and on paper.
inline Qt::Alignment AlignmentOf(std::uint16_t drawFlags) {
  Qt::Alignment alignment = Qt::AlignLeft;
  if (drawFlags & draw_flags::kCenter) alignment = Qt::AlignHCenter;
  if (drawFlags & draw_flags::kRight) alignment = Qt::AlignRight;
  if (drawFlags & draw_flags::kVCenter) return alignment | Qt::AlignVCenter;
  if (drawFlags & draw_flags::kBottom) return alignment | Qt::AlignBottom;
  return alignment | Qt::AlignTop;
}

}  // namespace tabulo::ui
