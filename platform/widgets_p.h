// Private to the platform: the Qt widgets behind windows and controls.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <string>

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

// The key code the runtime hands to KeyPress for a key event (0 when it sends none).
int KeyAsciiOf(int qtKey, const QString& text);

}  // namespace vb
