// Windows and the base of every control: geometry in the window's scale units, the
// enabled/visible/tool-tip properties, and the load/unload life of a window.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/color.h"

class QWidget;
class QMenu;
class QAction;

namespace vb {

class Program;
class Form;

enum ScaleModes { vbUser = 0, vbTwips = 1, vbPixels = 3 };
constexpr int TwipsPerPixel = 15;
enum ShowModes { vbModeless = 0, vbModal = 1 };
// Where a window first appears: where it was put, centred on its owner window, or centred
// on the screen.
enum StartUpPositions { vbStartUpManual = 0, vbStartUpOwner = 1, vbStartUpScreen = 2 };

// Anything that holds controls: a window or a frame.
class Container {
 public:
  virtual ~Container() = default;
  virtual QWidget* ClientWidget() const = 0;
  virtual Form& OwnerForm() = 0;
};

// The common part of every control.
class Control {
 public:
  Control(Container& parent, std::string name);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  Form& OwnerForm() { return form_; }
  // The control's place in its control array; -1 for a control of its own.
  int Index() const { return index_; }
  void SetArrayIndex(int index);

  // Geometry in the scale units of the owning window (twips or pixels).
  double Left() const;
  double Top() const;
  double Width() const;
  double Height() const;
  void SetLeft(double v);
  void SetTop(double v);
  void SetWidth(double v);
  void SetHeight(double v);
  void Move(double left, double top, double width, double height);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(const std::string& text);
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int i) { tabIndex_ = i; }
  // Gives the control the focus. A hidden or disabled control cannot take it (error 5);
  // on a window not shown yet, the control gets the focus when the window is shown.
  void SetFocus();
  // Repaints the control at once.
  void Refresh();

  QWidget* Widget() const { return widget_; }

 protected:
  // Called by the control's constructor once its widget exists.
  void Adopt(QWidget* widget);
  // Puts another widget in the place of the control's widget (a design-time change of
  // kind), keeping geometry, enabled, visible and tool tip.
  void ReplaceWidget(QWidget* widget);
  // True while events may fire: the window has finished its design and is loaded.
  bool Live() const;
  // Runs a handler started by the user through the program's dispatcher.
  void UserEvent(const std::function<void()>& handler);
  virtual void GeometryChanged() {}

  Container& parent_;
  Form& form_;

 private:
  void ApplyGeometry();
  std::string name_;
  QWidget* widget_ = nullptr;
  double leftPx_ = 0, topPx_ = 0, widthPx_ = 80, heightPx_ = 25;
  bool enabled_ = true;
  bool visible_ = true;
  std::string toolTip_;
  int tabIndex_ = 0;
  int index_ = -1;
};

// A menu entry: a top-level menu of the window's bar or an item below another entry.
class MenuItem {
 public:
  MenuItem(Form& form, std::string name, std::string caption);
  MenuItem(MenuItem& parent, std::string name, std::string caption);
  ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Checked() const { return checked_; }
  void SetChecked(bool on);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  const std::vector<MenuItem*>& Items() const { return items_; }

  std::function<void()> Click;

  QAction* Action() const { return action_; }

 private:
  void Build(QWidget* menuParent);
  void Update();
  Form& form_;
  std::string name_;
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  MenuItem* parent_ = nullptr;
  std::vector<MenuItem*> items_;
  QMenu* menu_ = nullptr;
  QAction* action_ = nullptr;
};

// A window. Derived windows declare their controls as members and wire the handlers in
// their constructor; the window is loaded (Form_Load) by the slot that created it.
class Form : public Container {
 public:
  Form(Program& program, std::string name);
  ~Form() override;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  QWidget* ClientWidget() const override;
  Form& OwnerForm() override { return *this; }
  Program& OwnerProgram() { return program_; }
  const std::string& Name() const { return name_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  int ScaleMode() const { return scaleMode_; }
  void SetScaleMode(int mode) { scaleMode_ = mode; }
  double UnitsPerPixel() const { return scaleMode_ == vbPixels ? 1.0 : TwipsPerPixel; }

  // Outer size and position in twips, inner size in the window's scale units.
  double Width() const;
  double Height() const;
  double Left() const;
  double Top() const;
  void SetWidth(double twips);
  void SetHeight(double twips);
  void Move(double leftTwips, double topTwips);
  double ScaleWidth() const;
  double ScaleHeight() const;
  // Sets the inner size, in the window's scale units.
  void SetClientSize(double width, double height);
  void SetMinimumClientSize(double width, double height);
  void SetFixedSize(bool fixed) { fixedSize_ = fixed; }

  Colour BackColor() const { return backColor_; }
  void SetBackColor(Colour c);
  // Background image file (PNG) shown under the controls.
  void SetBackgroundImage(const std::string& hostPath);

  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool on) { keyPreview_ = on; }
  // Centres the window on the screen when it is first shown.
  void SetCentreOnShow(bool on) { startUp_ = on ? vbStartUpScreen : vbStartUpManual; }
  int StartUpPosition() const { return startUp_; }
  void SetStartUpPosition(int position) { startUp_ = position; }

  bool IsLoaded() const { return loaded_; }
  bool Visible() const;
  // Shows the window. A modal window blocks every other window of the program, and Show
  // returns only when it is hidden or unloaded. The owner is the window a window centred
  // on its owner is centred on; without one, the program's active window is taken.
  void Show(int modal = vbModeless, Form* owner = nullptr);
  // Hides the window; a modal window's Show returns.
  void Hide();
  // Unloads the window: Form_Unload runs, the window disappears and its state is gone.
  void Unload();
  // True while Show(vbModal) waits for this window.
  bool ShownModal() const { return modalLoop_ != nullptr; }

  // Handlers of the window itself.
  std::function<void()> OnLoad;
  std::function<void()> OnUnload;
  std::function<void()> OnResize;
  std::function<void(int& keyAscii)> OnKeyPress;
  // Form_Terminate: runs when the window's object is discarded after its unload.
  std::function<void()> OnTerminate;

  // Used by the slot and the controls.
  void Load();
  void Terminate();
  void SetModalLoop(void* loop) { modalLoop_ = loop; }
  void SetRelease(std::function<void()> release) { release_ = std::move(release); }
  bool Designing() const { return !loaded_; }
  QWidget* TopWidget() const { return top_; }
  // The window's menu bar, made when the first menu is added.
  QWidget* MenuBar();
  void HandleClose();
  void HandleResize();
  // A key reached one of the window's controls: the window sees it first when KeyPreview.
  void PreviewKey(int& keyAscii);
  // The widget that takes the focus when the window is next shown.
  void SetPendingFocus(QWidget* widget) { pendingFocus_ = widget; }
  QWidget* PendingFocus() const { return pendingFocus_; }
  void EndModalWait();
  // Repaints the window at once.
  void Refresh();

 private:
  Program& program_;
  std::string name_;
  std::string caption_;
  QWidget* top_ = nullptr;
  QWidget* client_ = nullptr;
  QWidget* menuBar_ = nullptr;
  int scaleMode_ = vbTwips;
  Colour backColor_ = vbButtonFace;
  bool keyPreview_ = false;
  int startUp_ = vbStartUpManual;
  void* modalLoop_ = nullptr;  // the loop of Show(vbModal) while it waits
  bool fixedSize_ = true;
  bool loaded_ = false;
  bool unloading_ = false;
  bool shownOnce_ = false;
  QWidget* pendingFocus_ = nullptr;
  std::function<void()> release_;
};

}  // namespace vb
