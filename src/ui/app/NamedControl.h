#pragma once

#include <QString>

namespace tabulo::ui {

// Gives a dialog's control the name the program knows it by (tests and the
// accessibility bridge find it by that name) and hands it back.
template <class Widget>
Widget* Named(Widget* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

template <class Widget>
Widget* Named(Widget* widget, const char* name) {
  return Named(widget, QString::fromLatin1(name));
}

}  // namespace tabulo::ui
