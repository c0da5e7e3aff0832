#include "ui/app/TitlePanel.h"

#include <QLabel>
#include <QPainter>

#include "platform/qt/FontMapping.h"
#include "ui/app/ApplicationIcon.h"
#include "ui/app/BackgroundTexture.h"

namespace tabulo {
namespace {

constexpr int kIconLeft = 14, kIconTop = 12, kIconSize = 32;
constexpr int kNamePoints = 26;
constexpr int kSmallLinePixels = 16;
constexpr int kNameHeight = 48, kSmallLineHeight = 22, kLineGap = 4;

QFont TitleFont() {
  QFont font(platform::DisplayFamily(QStringLiteral("ＭＳ Ｐ明朝")));
  font.setStyleHint(QFont::Serif);
  font.setBold(true);
  return font;
}

}  // namespace

TitlePanel::TitlePanel(QWidget* parent, QSize size, int linesTop) : QWidget(parent) {
  setObjectName(QStringLiteral("TitlePanel"));
  setGeometry(QRect(QPoint(0, 0), size));

  ImageIcon = new QLabel(this);
  ImageIcon->setObjectName(QStringLiteral("ImageIcon"));
  ImageIcon->setPixmap(PaintApplicationIcon(kIconSize));
  ImageIcon->setGeometry(kIconLeft, kIconTop, kIconSize, kIconSize);

  auto nameFont = TitleFont();
  nameFont.setPointSize(kNamePoints);
  auto smallFont = TitleFont();
  smallFont.setPixelSize(kSmallLinePixels);
  int top = linesTop;
  LabelName = AddLine("LabelName", kNameLine, nameFont, top, kNameHeight);
  top += kNameHeight + kLineGap;
  LabelPlatform = AddLine("LabelPlatform", kPlatformLine, smallFont, top, kSmallLineHeight);
  top += kSmallLineHeight + kLineGap;
  LabelVersion = AddLine("LabelVersion", kVersionLine, smallFont, top, kSmallLineHeight);
  // The icon stays above the name line where the two meet.
  ImageIcon->raise();
}

QLabel* TitlePanel::AddLine(const char* name, const char* text, const QFont& font, int top, int height) {
  auto* label = new QLabel(QString::fromUtf8(text), this);
  label->setObjectName(QLatin1String(name));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignCenter);
  label->setFont(font);
  auto palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 255, 0));
  label->setPalette(palette);
  label->setGeometry(0, top, width(), height);
  return label;
}

void TitlePanel::paintEvent(QPaintEvent*) {
  if (m_texture.size() != size()) m_texture = MakeBackgroundTexture(width(), height());
  QPainter painter(this);
  painter.drawImage(0, 0, m_texture);
}

}  // namespace tabulo
