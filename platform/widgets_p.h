// Private to the platform: the Qt widgets behind windows and controls.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QAction;
class QActionEvent;
#include <string>
#include <vector>

#include "platform/color.h"

namespace vb {

class Form;

inline QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline Colour FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }
// Texts are kept as 8-bit characters; the widgets show them as Latin-1.
inline QString ToQ(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string FromQ(const QString& s) { return s.toLatin1().toStdString(); }

// The top-level widget of a window: turns the close box into an unload.
class FormWidget : public QWidget {
 public:
  explicit FormWidget(Form& form);
  Form& OwnerForm() const { return form_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  Form& form_;
};

// A window's menu bar. Its entries stay one click away at any width: when they do not fit
// in one row they go on in the next, as the runtime's menu bar wraps.
class MenuStrip : public QWidget {
 public:
  explicit MenuStrip(QWidget* parent);
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void actionEvent(QActionEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Lays the entries out in rows of width pixels; places them when place is set. Returns
  // the height the rows take.
  int Arrange(int width, bool place) const;
  struct Entry {
    QAction* action;
    QWidget* button;
  };
  std::vector<Entry> entries_;
};

// The key code the runtime hands to KeyPress for a key event (0 when it sends none).
int KeyAsciiOf(int qtKey, const QString& text);

}  // namespace vb
