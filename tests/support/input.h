// Real pointer input for tests: Qt mouse events sent to a control's widget, as a user's
// clicks arrive.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "platform/form.h"

namespace testsupport {

// A left click in the middle of the control.
inline void LeftClick(vb::Control& control) {
  QWidget* w = control.Widget();
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  const QPointF global = w->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &release);
}

}  // namespace testsupport
