// Mouse and key input for tests, delivered the way the window system delivers it: through
// the window's event queue, so that modal windows, focus and the widgets' own handling
// take part exactly as they do for a person at the screen.
#pragma once

#include <QApplication>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "platform/form.h"

QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text, bool autorep, ushort count);
QT_END_NAMESPACE

namespace testsupport {

// Event times far enough apart that two clicks never make a double click by accident.
inline int NextInputTime(int step = 1000) {
  static int now = 1000;
  now += step;
  return now;
}

// The window that receives input for a widget; it must be shown.
inline QWindow* InputWindow(QWidget* widget) {
  QWidget* top = widget->window();
  if (!top->windowHandle()) top->winId();
  return top->windowHandle();
}

// Presses and releases a mouse button at pos (pixels inside the widget; its centre when
// pos is omitted).
inline void MousePress(QWidget* widget, Qt::MouseButton button = Qt::LeftButton,
                       Qt::KeyboardModifiers mods = Qt::NoModifier, QPoint pos = QPoint(-1, -1)) {
  if (pos == QPoint(-1, -1)) pos = widget->rect().center();
  QWindow* window = InputWindow(widget);
  const QPoint local = widget->mapTo(widget->window(), pos);
  qt_handleMouseEvent(window, local, window->mapToGlobal(local), button, button, QEvent::MouseButtonPress, mods,
                      NextInputTime());
  QApplication::processEvents();
}

inline void MouseRelease(QWidget* widget, Qt::MouseButton button = Qt::LeftButton,
                         Qt::KeyboardModifiers mods = Qt::NoModifier, QPoint pos = QPoint(-1, -1), int step = 1000) {
  if (pos == QPoint(-1, -1)) pos = widget->rect().center();
  QWindow* window = InputWindow(widget);
  const QPoint local = widget->mapTo(widget->window(), pos);
  qt_handleMouseEvent(window, local, window->mapToGlobal(local), Qt::NoButton, button, QEvent::MouseButtonRelease,
                      mods, NextInputTime(step));
  QApplication::processEvents();
}

inline void MouseClick(QWidget* widget, Qt::MouseButton button = Qt::LeftButton,
                       Qt::KeyboardModifiers mods = Qt::NoModifier, QPoint pos = QPoint(-1, -1)) {
  MousePress(widget, button, mods, pos);
  MouseRelease(widget, button, mods, pos, 10);
}

inline void MouseClick(vb::Control& control, Qt::MouseButton button = Qt::LeftButton,
                       Qt::KeyboardModifiers mods = Qt::NoModifier, QPoint pos = QPoint(-1, -1)) {
  MouseClick(control.Widget(), button, mods, pos);
}

// A double click: press, release, press again within the double-click time, release.
inline void MouseDoubleClick(QWidget* widget, QPoint pos = QPoint(-1, -1)) {
  if (pos == QPoint(-1, -1)) pos = widget->rect().center();
  const QPointer<QWindow> window = InputWindow(widget);
  const QPoint local = widget->mapTo(widget->window(), pos);
  const QPoint global = window->mapToGlobal(local);
  MouseClick(widget, Qt::LeftButton, Qt::NoModifier, pos);
  qt_handleMouseEvent(window, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress,
                      Qt::NoModifier, NextInputTime(20));
  QApplication::processEvents();
  // The double click may have unloaded the window: the release reaches it only while it lives.
  if (!window) return;
  qt_handleMouseEvent(window, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease,
                      Qt::NoModifier, NextInputTime(10));
  QApplication::processEvents();
}

// The pointer moved to pos (pixels inside the widget) with the given buttons held.
inline void MouseMove(QWidget* widget, QPoint pos, Qt::MouseButtons held = Qt::NoButton) {
  QWindow* window = InputWindow(widget);
  const QPoint local = widget->mapTo(widget->window(), pos);
  qt_handleMouseEvent(window, local, window->mapToGlobal(local), held, Qt::NoButton, QEvent::MouseMove,
                      Qt::NoModifier, NextInputTime(10));
  QApplication::processEvents();
}

// A key pressed and released in the window of widget; it reaches the window's focus.
inline void KeyClick(QWidget* widget, int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
                     const QString& text = QString()) {
  QWindow* window = InputWindow(widget);
  qt_handleKeyEvent(window, QEvent::KeyPress, key, mods, text, false, 1);
  qt_handleKeyEvent(window, QEvent::KeyRelease, key, mods, text, false, 1);
  QApplication::processEvents();
}

}  // namespace testsupport
