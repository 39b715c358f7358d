#include "platform/controls.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "platform/app.h"
#include "platform/errors.h"
#include "platform/widgets_p.h"

namespace vb {

namespace {

void CheckRange(bool ok) {
  if (!ok) throw RuntimeError(380, "Invalid property value");
}

// A label (or an image) that reports clicks. Its mouse events end here: a click on a label
// is the label's, never the click of the frame or window below it.
class ClickLabel : public QLabel {
 public:
  explicit ClickLabel(std::function<void()> onClick) : onClick_(std::move(onClick)) {}

 protected:
  void mousePressEvent(QMouseEvent* e) override { e->accept(); }
  void mouseDoubleClickEvent(QMouseEvent* e) override { e->accept(); }
  void mouseReleaseEvent(QMouseEvent* e) override {
    e->accept();
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) onClick_();
  }

 private:
  std::function<void()> onClick_;
};

class ClickGroup : public QGroupBox {
 public:
  explicit ClickGroup(std::function<void()> onClick) : onClick_(std::move(onClick)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) onClick_();
    QGroupBox::mouseReleaseEvent(e);
  }

 private:
  std::function<void()> onClick_;
};

int MouseButtonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return vbLeftButton;
    case Qt::RightButton: return vbRightButton;
    case Qt::MiddleButton: return vbMiddleButton;
    default: return 0;
  }
}

int ShiftStateOf(Qt::KeyboardModifiers m) {
  int r = 0;
  if (m & Qt::ShiftModifier) r |= 1;
  if (m & Qt::ControlModifier) r |= 2;
  if (m & Qt::AltModifier) r |= 4;
  return r;
}

Qt::Alignment ToQtAlignment(int alignment) {
  switch (alignment) {
    case vbRightJustify: return Qt::AlignRight | Qt::AlignVCenter;
    case vbCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

}  // namespace

// The text box's widget: KeyPress runs before the key reaches the box.
struct TextBoxBridge : public QLineEdit {
  explicit TextBoxBridge(TextBox& box) : box_(box) {
    QObject::connect(this, &QLineEdit::textEdited, this,
                     [this](const QString& t) { box_.FromWidget(FromQ(t)); });
  }
  void keyPressEvent(QKeyEvent* e) override {
    int k = KeyAsciiOf(e->key(), e->text());
    if (k != 0 && box_.KeyPress && box_.OwnerForm().IsLoaded()) {
      const int original = k;
      box_.OwnerForm().OwnerProgram().Dispatch([&] { box_.KeyPress(k); });
      if (k == 0) return;
      if (k != original && k >= 32) {
        if (!isReadOnly()) {
          insert(ToQ(std::string(1, static_cast<char>(k))));
          box_.FromWidget(FromQ(text()));
        }
        return;
      }
    }
    QLineEdit::keyPressEvent(e);
  }
  TextBox& box_;
};

namespace {
// A multi-line box shows line breaks as the widget has them ("\n"); its Text keeps the
// runtime's CR LF.
QString ToShown(const std::string& text) {
  QString s = ToQ(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}
std::string FromShown(const QString& shown) {
  QString s = shown;
  s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return FromQ(s);
}
}  // namespace

// The multi-line text box's widget.
struct MultiLineBridge : public QPlainTextEdit {
  explicit MultiLineBridge(TextBox& box) : box_(box) {
    QObject::connect(this, &QPlainTextEdit::textChanged, this,
                     [this] { box_.FromWidget(FromShown(toPlainText())); });
  }
  void keyPressEvent(QKeyEvent* e) override {
    int k = KeyAsciiOf(e->key(), e->text());
    if (k != 0 && box_.KeyPress && box_.OwnerForm().IsLoaded()) {
      const int original = k;
      box_.OwnerForm().OwnerProgram().Dispatch([&] { box_.KeyPress(k); });
      if (k == 0) return;
      if (k != original && k >= 32) {
        if (!isReadOnly()) insertPlainText(ToQ(std::string(1, static_cast<char>(k))));
        return;
      }
    }
    QPlainTextEdit::keyPressEvent(e);
  }
  TextBox& box_;
};

// The list box's widget. Qt's own selection handling is bypassed: it would select the first
// entry when the list gets the focus and on a right click. Only left clicks and the
// navigation keys pick an entry.
struct ListBoxBridge : public QListWidget {
  explicit ListBoxBridge(ListBox& box) : box_(box) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Every entry is one line in the list's font, so all rows are alike: the layout measures
    // one row instead of every entry's text.
    setUniformItemSizes(true);
  }

  void focusInEvent(QFocusEvent* e) override {
    QAbstractScrollArea::focusInEvent(e);  // no current entry is chosen on focus
    viewport()->update();
  }

  void Mouse(const MouseHandler& handler, QMouseEvent* e) {
    if (!handler) return;
    const double u = box_.OwnerForm().UnitsPerPixel();
    const QPointF at = mapFromGlobal(e->globalPosition());
    const int button = MouseButtonOf(e->button());
    const int shift = ShiftStateOf(e->modifiers());
    box_.UserEvent([&] { handler(button, shift, at.x() * u, at.y() * u); });
  }

  void mousePressEvent(QMouseEvent* e) override {
    e->accept();
    if (focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
    Mouse(box_.MouseDown, e);
    if (e->button() == Qt::LeftButton) {
      const int row = indexAt(e->position().toPoint()).row();
      if (row >= 0) box_.UserPick(row, true);
    }
  }

  void mouseMoveEvent(QMouseEvent* e) override {
    e->accept();
    // Dragging with the left button held moves the selection along.
    if (!(e->buttons() & Qt::LeftButton)) return;
    const int row = indexAt(e->position().toPoint()).row();
    if (row >= 0) box_.UserPick(row, false);
  }

  void mouseReleaseEvent(QMouseEvent* e) override {
    e->accept();
    Mouse(box_.MouseUp, e);
  }

  void mouseDoubleClickEvent(QMouseEvent* e) override {
    e->accept();
    if (e->button() == Qt::LeftButton && indexAt(e->position().toPoint()).row() >= 0) box_.UserEvent(box_.DblClick);
  }

  void keyPressEvent(QKeyEvent* e) override {
    const int count = box_.ListCount();
    const int at = box_.ListIndex();
    const int page = std::max(1, viewport()->height() / std::max(1, sizeHintForRow(0)) - 1);
    int row;
    switch (e->key()) {
      case Qt::Key_Up: case Qt::Key_Left: row = at < 0 ? 0 : at - 1; break;
      case Qt::Key_Down: case Qt::Key_Right: row = at + 1; break;
      case Qt::Key_Home: row = 0; break;
      case Qt::Key_End: row = count - 1; break;
      case Qt::Key_PageUp: row = at < 0 ? 0 : at - page; break;
      case Qt::Key_PageDown: row = at < 0 ? page : at + page; break;
      default: e->ignore(); return;
    }
    e->accept();
    if (count == 0) return;
    row = std::clamp(row, 0, count - 1);
    box_.UserPick(row, false);
  }

  ListBox& box_;
};

// ---- CommandButton ----

CommandButton::CommandButton(Container& parent, std::string name, std::string caption)
    : Control(parent, std::move(name)), caption_(std::move(caption)) {
  auto* b = new QPushButton(ToQ(caption_));
  b->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(b, &QPushButton::clicked, b, [this] { PerformClick(); });
  Adopt(b);
}

void CommandButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (picture_.IsEmpty()) static_cast<QPushButton*>(Widget())->setText(ToQ(caption));
}

void CommandButton::SetPicture(const vb::Picture& picture) {
  picture_ = picture;
  auto* b = static_cast<QPushButton*>(Widget());
  // A picture button shows its picture alone; the caption stays a property.
  if (picture.IsEmpty()) {
    b->setIcon(QIcon());
    b->setText(ToQ(caption_));
  } else {
    b->setText(QString());
    b->setIcon(QIcon(QPixmap::fromImage(picture.Image())));
    b->setIconSize(QSize(picture.WidthPx(), picture.HeightPx()));
  }
}

void CommandButton::PerformClick() {
  if (Enabled()) UserEvent(Click);
}

// ---- Label ----

Label::Label(Container& parent, std::string name, std::string caption)
    : Control(parent, std::move(name)), caption_(std::move(caption)) {
  auto* l = new ClickLabel([this] { PerformClick(); });
  l->setText(ToQ(caption_));
  l->setWordWrap(true);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Adopt(l);
  Restyle();
}

void Label::SetCaption(const std::string& caption) {
  caption_ = caption;
  static_cast<QLabel*>(Widget())->setText(ToQ(caption));
}

void Label::SetAlignment(int alignment) {
  static_cast<QLabel*>(Widget())->setAlignment((ToQtAlignment(alignment) & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
}

void Label::SetForeColor(Colour c) { fore_ = c; Restyle(); }
void Label::SetBackColor(Colour c) { back_ = c; transparent_ = false; Restyle(); }
void Label::SetTransparent(bool on) { transparent_ = on; Restyle(); }

void Label::SetFont(double size, bool bold, bool underline) {
  QFont f = Widget()->font();
  f.setPointSizeF(size);
  f.setBold(bold);
  f.setUnderline(underline);
  Widget()->setFont(f);
}

void Label::SetMousePointer(int pointer) {
  mousePointer_ = pointer;
  Widget()->setCursor(pointer == vbCustom ? Qt::PointingHandCursor
                      : pointer == vbCrosshair ? Qt::CrossCursor : Qt::ArrowCursor);
}

void Label::Restyle() {
  QPalette pal = Widget()->palette();
  pal.setColor(QPalette::WindowText, ToQColor(fore_));
  pal.setColor(QPalette::Window, ToQColor(back_));
  Widget()->setPalette(pal);
  Widget()->setAutoFillBackground(!transparent_);
}

void Label::PerformClick() { if (Enabled()) UserEvent(Click); }

// ---- TextBox ----

TextBox::TextBox(Container& parent, std::string name, std::string text)
    : Control(parent, std::move(name)), text_(std::move(text)) {
  auto* e = new TextBoxBridge(*this);
  e->setText(ToQ(text_));
  Adopt(e);
}

void TextBox::SetMultiLine(bool on) {
  if (on == multiLine_) return;
  multiLine_ = on;
  if (on) {
    auto* e = new MultiLineBridge(*this);
    e->setTabChangesFocus(true);
    ReplaceWidget(e);
  } else {
    ReplaceWidget(new TextBoxBridge(*this));
  }
  ShowText();
  SetLocked(locked_);
  SetAlignment(alignment_);
  SetScrollBars(scrollBars_);
  Restyle();
}

void TextBox::ShowText() {
  QWidget* w = Widget();
  const QSignalBlocker block(w);
  if (multiLine_) {
    auto* e = static_cast<QPlainTextEdit*>(w);
    if (FromShown(e->toPlainText()) != text_) e->setPlainText(ToShown(text_));
  } else {
    auto* e = static_cast<QLineEdit*>(w);
    if (FromQ(e->text()) != text_) e->setText(ToQ(text_));
  }
}

void TextBox::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  ShowText();
  if (Live() && Change) Change();
}

void TextBox::FromWidget(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  UserEvent(Change);
}

void TextBox::SetLocked(bool on) {
  locked_ = on;
  if (multiLine_) {
    static_cast<QPlainTextEdit*>(Widget())->setReadOnly(on);
  } else {
    static_cast<QLineEdit*>(Widget())->setReadOnly(on);
  }
}

void TextBox::SetAlignment(int alignment) {
  alignment_ = alignment;
  if (!multiLine_) static_cast<QLineEdit*>(Widget())->setAlignment(ToQtAlignment(alignment));
}

void TextBox::SetScrollBars(int bars) {
  scrollBars_ = bars;
  if (!multiLine_) return;  // a one-line box has none
  auto* e = static_cast<QPlainTextEdit*>(Widget());
  const bool across = bars == vbSBHorizontal || bars == vbSBBoth;
  const bool down = bars == vbSBVertical || bars == vbSBBoth;
  e->setHorizontalScrollBarPolicy(across ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  e->setVerticalScrollBarPolicy(down ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  // Without a horizontal bar the lines wrap at the box's edge.
  e->setLineWrapMode(across ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}

void TextBox::SetBackColor(Colour c) {
  back_ = c;
  Restyle();
}

void TextBox::SetForeColor(Colour c) {
  fore_ = c;
  Restyle();
}

void TextBox::Restyle() {
  QPalette pal = Widget()->palette();
  pal.setColor(QPalette::Base, ToQColor(back_));
  pal.setColor(QPalette::Text, ToQColor(fore_));
  Widget()->setPalette(pal);
}

void TextBox::TypeKey(int keyAscii) {
  if (!Live()) return;
  int k = keyAscii;
  form_.PreviewKey(k);
  if (k == 0 || !Live()) return;
  if (KeyPress) form_.OwnerProgram().Dispatch([&] { KeyPress(k); });
  if (k == 0 || !Live() || locked_) return;
  std::string t = text_;
  if (k == 8) {
    if (multiLine_ && t.size() >= 2 && t.compare(t.size() - 2, 2, "\r\n") == 0) t.pop_back();
    if (!t.empty()) t.pop_back();
  } else if (k >= 32) {
    t.push_back(static_cast<char>(k));
  } else if (k == 13 && multiLine_) {
    t += "\r\n";
  } else {
    return;
  }
  if (t == text_) return;
  text_ = t;
  ShowText();
  UserEvent(Change);
}

// ---- CheckBox ----

CheckBox::CheckBox(Container& parent, std::string name, std::string caption)
    : Control(parent, std::move(name)), caption_(std::move(caption)) {
  auto* c = new QCheckBox(ToQ(caption_));
  QObject::connect(c, &QCheckBox::clicked, c, [this, c](bool) {
    // The box shows the value, whatever Qt toggled; the click decides the new value.
    {
      const QSignalBlocker block(c);
      c->setCheckState(value_ == vbChecked ? Qt::Checked : value_ == vbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
    }
    PerformClick();
  });
  Adopt(c);
}

void CheckBox::SetCaption(const std::string& caption) {
  caption_ = caption;
  static_cast<QCheckBox*>(Widget())->setText(ToQ(caption));
}

void CheckBox::SetValue(int value) {
  CheckRange(value >= 0 && value <= 2);
  if (value == value_) return;
  value_ = value;
  auto* c = static_cast<QCheckBox*>(Widget());
  {
    const QSignalBlocker block(c);
    c->setTristate(value == vbGrayed);
    c->setCheckState(value == vbChecked ? Qt::Checked : value == vbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
  }
  if (Live() && Click) Click();
}

void CheckBox::SetBackColor(Colour c) {
  QPalette pal = Widget()->palette();
  pal.setColor(QPalette::Window, ToQColor(c));
  pal.setColor(QPalette::Base, ToQColor(c));
  Widget()->setPalette(pal);
  Widget()->setAutoFillBackground(true);
}

void CheckBox::PerformClick() {
  if (!Enabled() || !Live()) return;
  form_.OwnerProgram().Dispatch([this] { SetValue(value_ == vbUnchecked ? vbChecked : vbUnchecked); });
}

// ---- ListBox ----

ListBox::ListBox(Container& parent, std::string name) : Control(parent, std::move(name)) {
  Adopt(new ListBoxBridge(*this));
}

void ListBox::UserPick(int row, bool always) {
  if (!Live() || !Enabled() || row < 0 || row >= ListCount()) return;
  if (row == index_ && !always) return;
  form_.OwnerProgram().Dispatch([this, row] {
    if (row != index_) {
      SetListIndex(row);  // runs Click
    } else if (Click) {
      Click();  // a click on the chosen entry picks it again
    }
  });
  if (index_ >= 0 && Widget()) static_cast<QListWidget*>(Widget())->scrollToItem(
      static_cast<QListWidget*>(Widget())->item(index_));
}

void ListBox::AddItem(const std::string& item, int index) {
  if (index < 0 && sorted_) {
    index = static_cast<int>(std::upper_bound(items_.begin(), items_.end(), item) - items_.begin());
  }
  CheckRange(index <= ListCount());
  if (index < 0) index = ListCount();
  items_.insert(items_.begin() + index, item);
  if (index_ >= index) ++index_;
  auto* l = static_cast<QListWidget*>(Widget());
  const QSignalBlocker block(l);
  l->insertItem(index, ToQ(item));
  ShowListIndex();
}

void ListBox::RemoveItem(int index) {
  CheckRange(index >= 0 && index < ListCount());
  items_.erase(items_.begin() + index);
  if (index_ == index) index_ = -1;
  else if (index_ > index) --index_;
  auto* l = static_cast<QListWidget*>(Widget());
  const QSignalBlocker block(l);
  delete l->takeItem(index);
  ShowListIndex();
}

void ListBox::Clear() {
  items_.clear();
  index_ = -1;
  auto* l = static_cast<QListWidget*>(Widget());
  const QSignalBlocker block(l);
  l->clear();
  ShowListIndex();
}

const std::string& ListBox::List(int index) const {
  static const std::string none;
  if (index < 0 || index >= ListCount()) return none;
  return items_[static_cast<size_t>(index)];
}

void ListBox::SetList(int index, const std::string& item) {
  CheckRange(index >= 0 && index < ListCount());
  items_[static_cast<size_t>(index)] = item;
  auto* l = static_cast<QListWidget*>(Widget());
  const QSignalBlocker block(l);
  l->item(index)->setText(ToQ(item));
}

void ListBox::SetListIndex(int index) {
  CheckRange(index >= -1 && index < ListCount());
  if (index == index_) return;
  index_ = index;
  auto* l = static_cast<QListWidget*>(Widget());
  {
    const QSignalBlocker block(l);
    l->setCurrentRow(index);
  }
  if (Live() && Click) Click();
}

int ListBox::ItemAt(double x, double y) const {
  auto* l = static_cast<QListWidget*>(Widget());
  const double u = form_.UnitsPerPixel();
  const QPoint at = l->viewport()->mapFrom(l, QPoint(static_cast<int>(x / u), static_cast<int>(y / u)));
  return l->indexAt(at).row();
}

std::string ListBox::Text() const { return index_ >= 0 ? items_[static_cast<size_t>(index_)] : std::string(); }

// The widget moves its current row along with rows inserted or removed above it, and picks a
// neighbour when the current row goes; its highlighted row is put back on ListIndex only where
// it differs, so the view stays where the user scrolled it.
void ListBox::ShowListIndex() {
  auto* l = static_cast<QListWidget*>(Widget());
  const QList<QListWidgetItem*> shown = l->selectedItems();
  const bool same = l->currentRow() == index_ &&
                    (index_ < 0 ? shown.isEmpty() : shown.size() == 1 && shown.front() == l->item(index_));
  if (same) return;
  const QSignalBlocker block(l);
  l->setCurrentRow(index_);
}

// ---- ScrollBar ----

ScrollBar::ScrollBar(Container& parent, std::string name, Orientation orientation)
    : Control(parent, std::move(name)), orientation_(orientation) {
  auto* s = new QScrollBar(orientation == Horizontal ? Qt::Horizontal : Qt::Vertical);
  s->setTracking(false);  // a dragged thumb changes the value when it is released
  QObject::connect(s, &QScrollBar::valueChanged, s, [this](int shown) {
    const int v = min_ > max_ ? -shown : shown;
    if (v != value_) UserEvent([this, v] { SetValue(v); });
  });
  Adopt(s);
  Mirror();
}

void ScrollBar::Mirror() {
  auto* s = static_cast<QScrollBar*>(Widget());
  const QSignalBlocker block(s);
  // The top (left) end shows Min and the bottom (right) end Max, whichever is larger. A bar
  // whose Min is above its Max is shown with its values negated, so that Qt's range still
  // runs from top to bottom, and the arrows and the track move the thumb the way they point.
  const int sign = min_ > max_ ? -1 : 1;
  s->setRange(sign * min_, sign * max_);
  s->setSingleStep(small_);
  s->setPageStep(large_);
  s->setValue(sign * value_);
}

void ScrollBar::SetMin(int v) { min_ = v; Mirror(); }
void ScrollBar::SetMax(int v) { max_ = v; Mirror(); }
void ScrollBar::SetSmallChange(int v) { small_ = v; Mirror(); }
void ScrollBar::SetLargeChange(int v) { large_ = v; Mirror(); }

void ScrollBar::SetValue(int value) {
  CheckRange(value >= std::min(min_, max_) && value <= std::max(min_, max_));
  if (value == value_) return;
  value_ = value;
  Mirror();
  if (Live() && Change) Change();
}

// ---- Frame ----

Frame::Frame(Container& parent, std::string name, std::string caption)
    : Control(parent, std::move(name)), caption_(std::move(caption)) {
  auto* g = new ClickGroup([this] { UserEvent(Click); });
  g->setTitle(ToQ(caption_));
  Adopt(g);
}

void Frame::SetCaption(const std::string& caption) {
  caption_ = caption;
  static_cast<QGroupBox*>(Widget())->setTitle(ToQ(caption));
}

QWidget* Frame::ClientWidget() const { return Widget(); }

// ---- Image ----

Image::Image(Container& parent, std::string name) : Control(parent, std::move(name)) {
  auto* l = new ClickLabel([this] { UserEvent(Click); });
  Adopt(l);
}

void Image::SetPicture(const vb::Picture& picture) {
  picture_ = picture;
  Redisplay();
}

void Image::SetStretch(bool on) {
  stretch_ = on;
  Redisplay();
}

void Image::Redisplay() {
  auto* l = static_cast<QLabel*>(Widget());
  if (picture_.IsEmpty()) {
    l->clear();
    return;
  }
  l->setScaledContents(stretch_);
  l->setPixmap(QPixmap::fromImage(picture_.Image()));
}

}  // namespace vb
