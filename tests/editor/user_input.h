// Real input for the editor tests: mouse clicks and key strokes sent as window-system events
// to the widgets behind the controls, and menu choices through the menu's own actions. The
// platform turns them into the controls' events exactly as it does for a user.
#pragma once

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <string>

#include "platform/form.h"
#include "platform/paths.h"

namespace userinput {

// A left click at a point of the widget (its centre by default).
inline void ClickAt(QWidget* w, QPoint at) {
  const QPointF local(at), global(w->mapToGlobal(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &release);
  QApplication::processEvents();
}

inline void Click(const vb::Control& c) { ClickAt(c.Widget(), c.Widget()->rect().center()); }

// A click on a check box's tick square, at its left end.
inline void Tick(const vb::Control& box) { ClickAt(box.Widget(), QPoint(8, box.Widget()->height() / 2)); }

// One key pressed and released; text is what the key types (empty for Enter).
inline void Key(QWidget* w, int qtKey, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
  QApplication::sendEvent(w, &release);
  QApplication::processEvents();
}

// Types the programs' text (one byte a letter, Windows-1252) into a control's widget, key by
// key: each key types the letter its byte stands for ("\x80" types "€").
inline void Type(const vb::Control& c, const std::string& text) {
  for (char ch : text) {
    const QString t = QString::fromStdString(vb::HostName(std::string(1, ch)));
    const int key = (ch >= 'a' && ch <= 'z') ? Qt::Key_A + (ch - 'a') : t.toUpper().at(0).unicode();
    Key(c.Widget(), key, t);
  }
}

// Empties a text box as a user would: every character taken back with Backspace.
inline void Clear(const vb::Control& c, std::size_t length) {
  Key(c.Widget(), Qt::Key_End, QString());
  for (std::size_t i = 0; i < length; ++i) Key(c.Widget(), Qt::Key_Backspace, QString("\b"));
}

inline void Enter(const vb::Control& c) { Key(c.Widget(), Qt::Key_Return, QString("\r")); }

// A menu item chosen from its menu.
inline void Choose(const vb::MenuItem& item) {
  item.Action()->trigger();
  QApplication::processEvents();
}

}  // namespace userinput
