// The window runtime's controls: their properties keep their state here and are mirrored
// to the widget; their events fire in the runtime's order.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/picture.h"

namespace vb {

enum CheckValues { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };
enum Alignments { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };
enum MousePointers { vbDefault = 0, vbArrow = 1, vbCrosshair = 2, vbIbeam = 3, vbSizeAll = 5,
                     vbUpArrow = 10, vbHourglass = 11, vbCustom = 99 };
enum MouseButtons { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
constexpr int vbKeyReturn = 13;

using MouseHandler = std::function<void(int button, int shift, double x, double y)>;

class CommandButton : public Control {
 public:
  CommandButton(Container& parent, std::string name, std::string caption = "");
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const vb::Picture& Picture() const { return picture_; }
  void SetPicture(const vb::Picture& picture);
  // Runs Click as a user click would.
  void PerformClick();
  std::function<void()> Click;

 private:
  std::string caption_;
  vb::Picture picture_;
};

class Label : public Control {
 public:
  Label(Container& parent, std::string name, std::string caption = "");
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  void SetAlignment(int alignment);
  void SetForeColor(Colour c);
  void SetBackColor(Colour c);
  void SetTransparent(bool on);
  void SetFont(double size, bool bold = false, bool underline = false);
  int MousePointer() const { return mousePointer_; }
  void SetMousePointer(int pointer);
  void PerformClick();
  std::function<void()> Click;

 private:
  void Restyle();
  std::string caption_;
  Colour fore_ = vbBlack;
  Colour back_ = vbButtonFace;
  bool transparent_ = true;
  int mousePointer_ = vbDefault;
};

enum ScrollBarsSettings { vbSBNone = 0, vbSBHorizontal = 1, vbSBVertical = 2, vbSBBoth = 3 };

class TextBox : public Control {
 public:
  TextBox(Container& parent, std::string name, std::string text = "");
  const std::string& Text() const { return text_; }
  // Every change of the text, by code or by the user, runs Change at once.
  void SetText(const std::string& text);
  // A locked box shows its text and lets it be selected and copied, not changed.
  bool Locked() const { return locked_; }
  void SetLocked(bool on);
  void SetAlignment(int alignment);
  // A multi-line box (a design-time choice) breaks its text at CR LF and at its edge.
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool on);
  int ScrollBars() const { return scrollBars_; }
  void SetScrollBars(int bars);
  Colour BackColor() const { return back_; }
  void SetBackColor(Colour c);
  Colour ForeColor() const { return fore_; }
  void SetForeColor(Colour c);
  // A key typed by the user: KeyPress sees it first and may change or swallow it (0).
  void TypeKey(int keyAscii);
  std::function<void()> Change;
  std::function<void(int& keyAscii)> KeyPress;

 private:
  friend struct TextBoxBridge;
  friend struct MultiLineBridge;
  void FromWidget(const std::string& text);
  void ShowText();
  void Restyle();
  std::string text_;
  bool locked_ = false;
  bool multiLine_ = false;
  int alignment_ = vbLeftJustify;
  int scrollBars_ = vbSBNone;
  Colour back_ = vbWhite;
  Colour fore_ = vbBlack;
};

class CheckBox : public Control {
 public:
  CheckBox(Container& parent, std::string name, std::string caption = "");
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int Value() const { return value_; }
  // Runs Click at once when the value changes; 0, 1 and 2 only (error 380 otherwise).
  void SetValue(int value);
  void SetBackColor(Colour c);
  // A click of the user: a clear box becomes ticked, anything else clear.
  void PerformClick();
  std::function<void()> Click;

 private:
  std::string caption_;
  int value_ = vbUnchecked;
};

class ListBox : public Control {
 public:
  ListBox(Container& parent, std::string name);
  void AddItem(const std::string& item, int index = -1);
  void RemoveItem(int index);
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int index) const;
  void SetList(int index, const std::string& item);
  int ListIndex() const { return index_; }
  // Selecting another item (or none, -1) runs Click.
  void SetListIndex(int index);
  std::string Text() const;
  void SetSorted(bool on) { sorted_ = on; }
  // Click runs when the user picks an entry (a left click on it, an arrow key that moves the
  // selection) and when code sets another ListIndex; getting the focus selects nothing.
  std::function<void()> Click;
  std::function<void()> DblClick;
  // Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt, added up. X and Y are
  // in the window's scale units, from the list's top left corner.
  MouseHandler MouseDown;
  MouseHandler MouseUp;
  // The entry shown at (x, y), in the units of MouseUp's X and Y; -1 when there is none.
  int ItemAt(double x, double y) const;

 private:
  friend struct ListBoxBridge;
  // The user picked the entry at row (a click or a key): it becomes ListIndex and Click runs.
  void UserPick(int row, bool always);
  // Puts the widget's current and highlighted row on ListIndex, leaving its view alone.
  void ShowListIndex();
  std::vector<std::string> items_;
  int index_ = -1;
  bool sorted_ = false;
};

class ScrollBar : public Control {
 public:
  enum Orientation { Horizontal, Vertical };
  ScrollBar(Container& parent, std::string name, Orientation orientation);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetMin(int v);
  void SetMax(int v);
  int SmallChange() const { return small_; }
  int LargeChange() const { return large_; }
  void SetSmallChange(int v);
  void SetLargeChange(int v);
  int Value() const { return value_; }
  // Runs Change when the value changes; a value outside Min..Max is error 380.
  void SetValue(int value);
  std::function<void()> Change;

 private:
  void Mirror();
  Orientation orientation_;
  int min_ = 0, max_ = 32767, small_ = 1, large_ = 1, value_ = 0;
};

class HScrollBar : public ScrollBar {
 public:
  HScrollBar(Container& parent, std::string name) : ScrollBar(parent, std::move(name), Horizontal) {}
};
class VScrollBar : public ScrollBar {
 public:
  VScrollBar(Container& parent, std::string name) : ScrollBar(parent, std::move(name), Vertical) {}
};

// A frame groups controls; its children take positions inside it.
class Frame : public Control, public Container {
 public:
  Frame(Container& parent, std::string name, std::string caption = "");
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  QWidget* ClientWidget() const override;
  Form& OwnerForm() override { return form_; }
  std::function<void()> Click;

 private:
  std::string caption_;
};

class Image : public Control {
 public:
  Image(Container& parent, std::string name);
  const vb::Picture& Picture() const { return picture_; }
  void SetPicture(const vb::Picture& picture);
  void SetStretch(bool on);
  std::function<void()> Click;

 private:
  void Redisplay();
  vb::Picture picture_;
  bool stretch_ = false;
};

}  // namespace vb
