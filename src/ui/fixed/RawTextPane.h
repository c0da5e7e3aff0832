#pragma once

#include <QWidget>

#include "core/document/TextLines.h"

namespace tabulo::ui {

// The import dialog's view of the file's raw lines: from the line the preview
// shows first, as many lines as fit, each at the left edge in a fixed-pitch
// font, so that byte positions line up. Only the visible lines are drawn; the
// width is that of the longest line, for a horizontal scroll around it.
class RawTextPane final : public QWidget {
 public:
  RawTextPane(const TextLines& lines, QWidget* parent);

  void SetFirstLine(int line);
  int FirstLine() const noexcept { return m_firstLine; }
  int LineHeight() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const TextLines& m_lines;
  int m_firstLine = 0;
};

}  // namespace tabulo::ui
