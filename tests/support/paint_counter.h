// Counts the paint events a widget receives: what the window system actually shows.
#pragma once

#include <QEvent>
#include <QObject>

namespace testsupport {

class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace testsupport
