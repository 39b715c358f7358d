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
#include "platform/letters_p.h"

namespace vb {

class Form;

inline QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline Colour FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }
// The programs' text (one byte a letter, Windows-1252) as the widgets show it, and back. A
// letter the text cannot hold comes back as one "?". Host strings (a printer's name, a name
// the text cannot hold) are UTF-8 and do not go through these.
inline QString ToQ(const std::string& s) {
  QString out(static_cast<qsizetype>(s.size()), Qt::Uninitialized);
  QChar* letter = out.data();
  for (const char c : s) *letter++ = QChar(static_cast<char16_t>(LetterOf(static_cast<unsigned char>(c))));
  return out;
}
inline std::string FromQ(const QString& s) {
  std::string out;
  out.reserve(static_cast<std::size_t>(s.size()));
  for (qsizetype i = 0; i < s.size(); ++i) {
    char32_t letter = s.at(i).unicode();
    if (QChar::isHighSurrogate(letter) && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
      letter = QChar::surrogateToUcs4(s.at(i), s.at(i + 1));
      ++i;
    }
    const int byte = ByteOf(letter);
    out += byte < 0 ? '?' : static_cast<char>(byte);
  }
  return out;
}

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

// The key code the runtime hands to KeyPress for a key event: the byte of the programs' text
// for the typed letter (0 when it sends none, also for a letter the text cannot hold).
int KeyAsciiOf(int qtKey, const QString& text);

}  // namespace vb
