#include "ui/app/OwnerCentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tabulo {

QPoint CentredOverOwner(const QRect& owner, const QSize& size) {
  // Integer division cuts toward zero, as the rule asks.
  return {owner.left() + (owner.width() - size.width()) / 2, owner.top() + (owner.height() - size.height()) / 2};
}

QRect DefaultWindowRect(const QRect& screen, const QSize& minimum) {
  const QSize size(std::min(std::max(screen.width() * 2 / 3, minimum.width()), screen.width()),
                   std::min(std::max(screen.height() * 2 / 3, minimum.height()), screen.height()));
  return {CentredOverOwner(screen, size), size};
}

void MoveToOwnerCentre(QWidget* window, const QWidget* owner) {
  QRect area;
  if (owner != nullptr) {
    area = owner->window()->frameGeometry();
  } else if (const auto* screen = QGuiApplication::primaryScreen(); screen != nullptr) {
    area = screen->availableGeometry();
  }
  window->move(CentredOverOwner(area, window->size()));
}

}  // namespace tabulo
