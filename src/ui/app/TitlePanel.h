#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

namespace tabulo {

// The face shared by the splash window and the About box: the background
// texture, the application icon at the top left, and the program's name,
// platform and version as three centred lines in lime bold mincho. It fills
// its window; the About box puts its button on it.
class TitlePanel final : public QWidget {
  Q_OBJECT

 public:
  static constexpr char kNameLine[] = "  Tabulo";
  static constexpr char kPlatformLine[] = "for Linux";
  static constexpr char kVersionLine[] = "Version 0.1";

  // A panel of `size` at the top left of `parent`; `linesTop` is where the
  // name line starts, in pixels from the top.
  TitlePanel(QWidget* parent, QSize size, int linesTop);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* AddLine(const char* name, const char* text, const QFont& font, int top, int height);

  QImage m_texture;
  QLabel* ImageIcon;
  QLabel* LabelName;
  QLabel* LabelPlatform;
  QLabel* LabelVersion;
};

}  // namespace tabulo
