#include "platform/form.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QActionEvent>
#include <QToolButton>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/app.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "platform/widgets_p.h"

namespace vb {

// ---- helpers shared by the widgets ----

FormWidget::FormWidget(Form& form) : QWidget(nullptr), form_(form) {}

void FormWidget::closeEvent(QCloseEvent* event) {
  // The window closes by unloading; Qt must not hide or delete it on its own.
  event->ignore();
  form_.HandleClose();
}

int KeyAsciiOf(int qtKey, const QString& text) {
  if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter) return 13;
  if (qtKey == Qt::Key_Backspace) return 8;
  if (qtKey == Qt::Key_Escape) return 27;
  // Tab moves the focus and the arrow keys move within a control: neither is a typed key.
  if (qtKey == Qt::Key_Tab || qtKey == Qt::Key_Backtab || qtKey == Qt::Key_Left || qtKey == Qt::Key_Right ||
      qtKey == Qt::Key_Up || qtKey == Qt::Key_Down)
    return 0;
  if (!text.isEmpty()) {
    const int byte = ByteOf(text.at(0).unicode());
    return byte < 0 ? 0 : byte;
  }
  return 0;
}

namespace {
// Watches the client area of a window for size changes.
class ResizeWatcher : public QObject {
 public:
  ResizeWatcher(Form& form, QObject* parent) : QObject(parent), form_(form) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) form_.HandleResize();
    return QObject::eventFilter(watched, event);
  }

 private:
  Form& form_;
};
}  // namespace

// ---- MenuStrip ----

MenuStrip::MenuStrip(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("MenuStrip"));
  QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  setAutoFillBackground(true);
}

void MenuStrip::actionEvent(QActionEvent* event) {
  QAction* action = event->action();
  switch (event->type()) {
    case QEvent::ActionAdded: {
      auto* button = new QToolButton(this);
      button->setAutoRaise(true);
      button->setFocusPolicy(Qt::NoFocus);
      button->setToolButtonStyle(Qt::ToolButtonTextOnly);
      // An entry with items opens them below itself when pressed; one without runs its Click.
      QObject::connect(button, &QToolButton::pressed, action, [action, button] {
        QMenu* menu = action->menu();
        if (!menu || !action->isEnabled()) return;
        button->setDown(false);  // the menu takes the release
        menu->popup(button->mapToGlobal(QPoint(0, button->height())));
      });
      QObject::connect(button, &QToolButton::clicked, action, [action] {
        if (!action->menu() && action->isEnabled()) action->trigger();
      });
      auto at = std::find_if(entries_.begin(), entries_.end(),
                             [&](const Entry& e) { return e.action == event->before(); });
      entries_.insert(at, Entry{action, button});
      [[fallthrough]];
    }
    case QEvent::ActionChanged:
      for (const Entry& e : entries_) {
        if (e.action != action) continue;
        auto* button = static_cast<QToolButton*>(e.button);
        button->setText(action->text());
        button->setEnabled(action->isEnabled());
        button->setVisible(action->isVisible());
      }
      break;
    case QEvent::ActionRemoved: {
      auto at = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.action == action; });
      if (at != entries_.end()) {
        delete at->button;
        entries_.erase(at);
      }
      break;
    }
    default: break;
  }
  updateGeometry();
  Arrange(width(), true);
}

void MenuStrip::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Arrange(width(), true);
}

int MenuStrip::Arrange(int width, bool place) const {
  int x = 0, y = 0, rowHeight = 0;
  for (const Entry& e : entries_) {
    if (!e.action->isVisible()) continue;
    const QSize size = e.button->sizeHint();
    if (x > 0 && x + size.width() > width) {  // the entry goes on in the next row
      x = 0;
      y += rowHeight;
      rowHeight = 0;
    }
    if (place) e.button->setGeometry(x, y, size.width(), size.height());
    x += size.width();
    rowHeight = std::max(rowHeight, size.height());
  }
  return y + rowHeight;
}

int MenuStrip::heightForWidth(int width) const { return Arrange(width, false); }

QSize MenuStrip::sizeHint() const {
  int width = 0;
  for (const Entry& e : entries_)
    if (e.action->isVisible()) width += e.button->sizeHint().width();
  return QSize(width, Arrange(std::max(width, 1), false));
}

QSize MenuStrip::minimumSizeHint() const { return QSize(0, Arrange(std::max(this->width(), 1), false)); }

// ---- Control ----

Control::Control(Container& parent, std::string name)
    : parent_(parent), form_(parent.OwnerForm()), name_(std::move(name)) {}

Control::~Control() = default;  // the widget belongs to its parent widget

void Control::Adopt(QWidget* widget) {
  widget_ = widget;
  widget_->setParent(parent_.ClientWidget());
  widget_->setObjectName(QString::fromStdString(index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")"));
  ApplyGeometry();
  widget_->show();
}

void Control::ReplaceWidget(QWidget* widget) {
  QWidget* old = widget_;
  const bool focused = old && old->hasFocus();
  Adopt(widget);
  if (old) widget->stackUnder(old);
  if (form_.PendingFocus() == old) form_.SetPendingFocus(widget);
  widget->setEnabled(enabled_);
  widget->setVisible(visible_);
  widget->setToolTip(ToQ(toolTip_));
  delete old;
  if (focused) widget->setFocus();
}

void Control::SetArrayIndex(int index) {
  index_ = index;
  if (widget_) widget_->setObjectName(QString::fromStdString(name_ + "(" + std::to_string(index) + ")"));
}

bool Control::Live() const { return form_.IsLoaded(); }

void Control::UserEvent(const std::function<void()>& handler) {
  if (!Live() || !handler) return;
  form_.OwnerProgram().Dispatch(handler);
}

double Control::Left() const { return leftPx_ * form_.UnitsPerPixel(); }
double Control::Top() const { return topPx_ * form_.UnitsPerPixel(); }
double Control::Width() const { return widthPx_ * form_.UnitsPerPixel(); }
double Control::Height() const { return heightPx_ * form_.UnitsPerPixel(); }
void Control::SetLeft(double v) { leftPx_ = v / form_.UnitsPerPixel(); ApplyGeometry(); }
void Control::SetTop(double v) { topPx_ = v / form_.UnitsPerPixel(); ApplyGeometry(); }
void Control::SetWidth(double v) { widthPx_ = std::max(0.0, v / form_.UnitsPerPixel()); ApplyGeometry(); }
void Control::SetHeight(double v) { heightPx_ = std::max(0.0, v / form_.UnitsPerPixel()); ApplyGeometry(); }
void Control::Move(double left, double top, double width, double height) {
  const double u = form_.UnitsPerPixel();
  leftPx_ = left / u;
  topPx_ = top / u;
  widthPx_ = std::max(0.0, width / u);
  heightPx_ = std::max(0.0, height / u);
  ApplyGeometry();
}

void Control::ApplyGeometry() {
  if (widget_)
    widget_->setGeometry(static_cast<int>(std::lround(leftPx_)), static_cast<int>(std::lround(topPx_)),
                         static_cast<int>(std::lround(widthPx_)), static_cast<int>(std::lround(heightPx_)));
  GeometryChanged();
}

void Control::SetEnabled(bool on) {
  enabled_ = on;
  if (widget_) widget_->setEnabled(on);
}

void Control::SetVisible(bool on) {
  visible_ = on;
  if (widget_) widget_->setVisible(on);
}

void Control::SetFocus() {
  if (!widget_ || !visible_ || !enabled_) throw RuntimeError(5);
  if (!form_.Visible()) {
    form_.SetPendingFocus(widget_);
    return;
  }
  widget_->window()->activateWindow();
  widget_->setFocus(Qt::OtherFocusReason);
}

void Control::Refresh() {
  if (widget_) widget_->repaint();
}

void Control::SetToolTipText(const std::string& text) {
  toolTip_ = text;
  if (widget_) widget_->setToolTip(ToQ(text));
}

// ---- MenuItem ----

MenuItem::MenuItem(Form& form, std::string name, std::string caption)
    : form_(form), name_(std::move(name)), caption_(std::move(caption)) {
  Build(form.MenuBar());
}

MenuItem::MenuItem(MenuItem& parent, std::string name, std::string caption)
    : form_(parent.form_), name_(std::move(name)), caption_(std::move(caption)), parent_(&parent) {
  if (!parent.menu_) {
    parent.menu_ = new QMenu(form_.TopWidget());
    parent.action_->setMenu(parent.menu_);
  }
  parent.items_.push_back(this);
  Build(parent.menu_);
}

MenuItem::~MenuItem() = default;  // actions and menus belong to the window's widgets

void MenuItem::Build(QWidget* menuParent) {
  action_ = new QAction(ToQ(caption_), menuParent);
  menuParent->addAction(action_);
  QObject::connect(action_, &QAction::triggered, action_, [this] {
    Update();  // the check mark follows Checked only
    if (Click && form_.IsLoaded()) form_.OwnerProgram().Dispatch(Click);
  });
}

void MenuItem::Update() {
  if (!action_) return;
  action_->setText(ToQ(caption_));
  action_->setCheckable(checked_);
  action_->setChecked(checked_);
  action_->setEnabled(enabled_);
  action_->setVisible(visible_);
}

void MenuItem::SetCaption(const std::string& caption) { caption_ = caption; Update(); }
void MenuItem::SetChecked(bool on) { checked_ = on; Update(); }
void MenuItem::SetEnabled(bool on) { enabled_ = on; Update(); }
void MenuItem::SetVisible(bool on) { visible_ = on; Update(); }

// ---- Form ----

Form::Form(Program& program, std::string name) : program_(program), name_(std::move(name)) {
  top_ = new FormWidget(*this);
  top_->setObjectName(QString::fromStdString(name_));
  auto* layout = new QVBoxLayout(top_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  client_ = new QWidget(top_);
  client_->setAutoFillBackground(true);
  layout->addWidget(client_, 1);
  client_->installEventFilter(new ResizeWatcher(*this, client_));
  SetBackColor(backColor_);
}

Form::~Form() {
  delete top_;  // takes every control's widget with it
}

QWidget* Form::ClientWidget() const { return client_; }

QWidget* Form::MenuBar() {
  if (!menuBar_) {
    menuBar_ = new MenuStrip(top_);
    static_cast<QVBoxLayout*>(top_->layout())->insertWidget(0, menuBar_);
  }
  return menuBar_;
}

void Form::SetCaption(const std::string& caption) {
  caption_ = caption;
  top_->setWindowTitle(caption.empty() ? QStringLiteral(" ") : ToQ(caption));
}

double Form::Width() const { return top_->frameGeometry().width() * double(TwipsPerPixel); }
double Form::Height() const { return top_->frameGeometry().height() * double(TwipsPerPixel); }
double Form::Left() const { return top_->frameGeometry().x() * double(TwipsPerPixel); }
double Form::Top() const { return top_->frameGeometry().y() * double(TwipsPerPixel); }

void Form::SetWidth(double twips) {
  const int extra = top_->frameGeometry().width() - top_->width();
  top_->resize(std::max(1, int(std::lround(twips / TwipsPerPixel)) - extra), top_->height());
}

void Form::SetHeight(double twips) {
  const int extra = top_->frameGeometry().height() - top_->height();
  top_->resize(top_->width(), std::max(1, int(std::lround(twips / TwipsPerPixel)) - extra));
}

void Form::Move(double leftTwips, double topTwips) {
  top_->move(int(std::lround(leftTwips / TwipsPerPixel)), int(std::lround(topTwips / TwipsPerPixel)));
}

double Form::ScaleWidth() const { return client_->width() * UnitsPerPixel(); }
double Form::ScaleHeight() const { return client_->height() * UnitsPerPixel(); }

void Form::SetClientSize(double width, double height) {
  const int w = int(std::lround(width / UnitsPerPixel()));
  const int h = int(std::lround(height / UnitsPerPixel()));
  const int menu = menuBar_ ? menuBar_->heightForWidth(w) : 0;
  if (fixedSize_) {
    top_->setFixedSize(w, h + menu);
  } else {
    top_->resize(w, h + menu);
  }
  client_->resize(w, h);
}

void Form::SetMinimumClientSize(double width, double height) {
  const int w = int(std::lround(width / UnitsPerPixel()));
  const int menu = menuBar_ ? menuBar_->heightForWidth(w) : 0;
  top_->setMinimumSize(int(std::lround(width / UnitsPerPixel())),
                       int(std::lround(height / UnitsPerPixel())) + menu);
}

void Form::SetBackColor(Colour c) {
  backColor_ = c;
  QPalette pal = client_->palette();
  pal.setColor(QPalette::Window, ToQColor(c));
  client_->setPalette(pal);
}

void Form::SetBackgroundImage(const std::string& hostPath) {
  QPixmap pix(QString::fromStdString(hostPath));
  if (pix.isNull()) return;
  auto* label = new QLabel(client_);
  label->setPixmap(pix);
  label->setGeometry(0, 0, pix.width(), pix.height());
  label->lower();
  label->show();
}

bool Form::Visible() const { return top_->isVisible(); }

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  program_.Attach(this);
  if (OnLoad) OnLoad();
}

void Form::Show(int modal, Form* owner) {
  if (!loaded_) return;
  const bool wasVisible = top_->isVisible();
  if (!shownOnce_) {
    shownOnce_ = true;
    QRect around;
    QSize frame;  // what the window system adds around a window, known once one is shown
    if (startUp_ == vbStartUpOwner) {
      if (!owner || owner == this || !owner->Visible()) owner = program_.ActiveForm(this);
      if (owner) {
        around = owner->top_->frameGeometry();
        frame = around.size() - owner->top_->size();
      }
    }
    if (startUp_ == vbStartUpScreen || (startUp_ == vbStartUpOwner && around.isNull()))
      around = QGuiApplication::primaryScreen()->availableGeometry();
    if (!around.isNull()) {
      const QSize size = top_->size() + frame;
      top_->move(around.x() + (around.width() - size.width()) / 2, around.y() + (around.height() - size.height()) / 2);
    }
  }
  // Qt takes the modality of a window when it is shown.
  const Qt::WindowModality wanted = modal == vbModal ? Qt::ApplicationModal : Qt::NonModal;
  if (top_->windowModality() != wanted && (!wasVisible || modal == vbModal)) {
    if (wasVisible) top_->hide();
    top_->setWindowModality(wanted);
  }
  top_->show();
  top_->raise();
  top_->activateWindow();
  if (pendingFocus_) {
    pendingFocus_->setFocus(Qt::OtherFocusReason);
    pendingFocus_ = nullptr;
  }
  HandleResize();
  if (modal == vbModal && loaded_ && top_->isVisible() && !modalLoop_) {
    if (Responder* r = CurrentResponder()) {
      r->ShowModal(*this);
      return;
    }
    program_.RunModal(*this);
  }
}

void Form::Hide() {
  top_->hide();
  EndModalWait();
}

void Form::EndModalWait() {
  if (modalLoop_) static_cast<QEventLoop*>(modalLoop_)->quit();
}

void Form::Unload() {
  if (!loaded_ || unloading_) return;
  unloading_ = true;
  if (OnUnload) OnUnload();
  top_->hide();
  loaded_ = false;
  EndModalWait();
  program_.Detach(this);
  unloading_ = false;
  if (release_) {
    auto release = std::move(release_);
    release_ = nullptr;
    release();  // may hand this window to the program's retired list
  }
}

void Form::Terminate() {
  if (OnTerminate) program_.Dispatch(OnTerminate);
}

void Form::Refresh() { top_->repaint(); }

void Form::HandleClose() {
  if (loaded_) program_.Dispatch([this] { Unload(); });
}

void Form::HandleResize() {
  if (loaded_ && OnResize && top_->isVisible()) program_.Dispatch(OnResize);
}

void Form::PreviewKey(int& keyAscii) {
  if (keyPreview_ && loaded_ && OnKeyPress) {
    int k = keyAscii;
    program_.Dispatch([&] { OnKeyPress(k); });
    keyAscii = k;
  }
}

}  // namespace vb
