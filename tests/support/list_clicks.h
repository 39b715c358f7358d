// Real mouse and key events for list-like widgets (list boxes, folder and file lists,
// drop-down lists), sent through Qt as a user's clicks would arrive.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <string>

#include "platform/form.h"

namespace testsupport {

inline void SendMouse(QWidget* w, QEvent::Type type, QPoint at) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

// The row of a list widget whose text is `text` (-1 when none).
inline int RowOf(QListWidget* list, const std::string& text) {
  for (int r = 0; r < list->count(); ++r) {
    if (list->item(r)->text().trimmed().toStdString() == text) return r;
  }
  return -1;
}

// A left click (press and release) on the row of a list widget.
inline void ClickRow(QWidget* widget, int row, bool twice = false) {
  auto* list = static_cast<QListWidget*>(widget);
  list->scrollToItem(list->item(row));
  const QPoint at = list->visualItemRect(list->item(row)).center();
  QWidget* vp = list->viewport();
  SendMouse(vp, QEvent::MouseButtonPress, at);
  SendMouse(vp, QEvent::MouseButtonRelease, at);
  if (twice) {
    SendMouse(vp, QEvent::MouseButtonDblClick, at);
    SendMouse(vp, QEvent::MouseButtonRelease, at);
  }
}

inline void DoubleClickRow(QWidget* widget, int row) { ClickRow(widget, row, true); }

// Opens a drop-down list and clicks the entry with the given text in its pop-up.
inline void PickFromDropDown(QWidget* widget, const std::string& text) {
  auto* combo = static_cast<QComboBox*>(widget);
  combo->showPopup();
  QAbstractItemView* view = combo->view();
  const int row = combo->findText(QString::fromStdString(text));
  const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
  SendMouse(view->viewport(), QEvent::MouseButtonPress, at);
  SendMouse(view->viewport(), QEvent::MouseButtonRelease, at);
}

}  // namespace testsupport
