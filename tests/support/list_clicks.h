// Clicks on the entries of list-like widgets (list boxes, folder and file lists, drop-down
// lists), delivered through the window system as a user's clicks arrive.
#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <string>

#include "tests/support/real_input.h"

namespace testsupport {

// The row of a list widget whose text is `text` (-1 when none).
inline int RowOf(QListWidget* list, const std::string& text) {
  for (int r = 0; r < list->count(); ++r) {
    if (list->item(r)->text().trimmed().toStdString() == text) return r;
  }
  return -1;
}

// A left click on the row of a list widget; twice makes it a double click.
inline void ClickRow(QWidget* widget, int row, bool twice = false) {
  auto* list = static_cast<QListWidget*>(widget);
  list->scrollToItem(list->item(row));
  const QPoint at = list->visualItemRect(list->item(row)).center();
  if (twice) {
    MouseDoubleClick(list->viewport(), at);
  } else {
    MouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  }
}

inline void DoubleClickRow(QWidget* widget, int row) { ClickRow(widget, row, true); }

// Opens a drop-down list and clicks the entry with the given text in its pop-up.
inline void PickFromDropDown(QWidget* widget, const std::string& text) {
  auto* combo = static_cast<QComboBox*>(widget);
  combo->showPopup();
  QApplication::processEvents();
  QAbstractItemView* view = combo->view();
  const int row = combo->findText(QString::fromStdString(text));
  const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
  MouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

}  // namespace testsupport
