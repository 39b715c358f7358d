// Control arrays: controls of one kind that share a name and their handlers, told apart by
// an index from 0 (Text7(0) to Text7(7)). A handler of the array gets the index of the
// control that raised the event before the event's own arguments.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/errors.h"
#include "platform/form.h"

namespace vb {

template <class T>
class ControlArray {
 public:
  // Makes count controls, indexed 0 to count - 1; extra arguments go to each control's
  // constructor after its parent and name (a caption, an orientation).
  template <class... Args>
  ControlArray(Container& parent, std::string name, int count, Args... args)
      : name_(name), make_([&parent, name, args...] { return std::make_unique<T>(parent, name, args...); }) {
    for (int i = 0; i < count; ++i) Load(i);
  }
  ControlArray(const ControlArray&) = delete;
  ControlArray& operator=(const ControlArray&) = delete;

  const std::string& Name() const { return name_; }
  // The control at index; error 340 when there is none.
  T& operator()(int index) const {
    auto it = items_.find(index);
    if (it == items_.end())
      throw RuntimeError(340, "Control array element '" + std::to_string(index) + "' doesn't exist");
    return *it->second;
  }
  T& operator[](int index) const { return (*this)(index); }
  bool Exists(int index) const { return items_.count(index) != 0; }
  int Count() const { return static_cast<int>(items_.size()); }
  int LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
  int UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }

  // Adds the control at index (the runtime's Load); it gets the array's handlers. An index
  // already in use is error 360.
  void Load(int index) {
    if (index < 0) throw RuntimeError(340, "Control array element '" + std::to_string(index) + "' doesn't exist");
    if (Exists(index)) throw RuntimeError(360, "Object already loaded");
    auto control = make_();
    control->SetArrayIndex(index);
    for (const auto& connect : connections_) connect(*control, index);
    items_[index] = std::move(control);
  }
  // Removes a control added by Load, with its widget.
  void Unload(int index) {
    auto it = items_.find(index);
    if (it == items_.end())
      throw RuntimeError(340, "Control array element '" + std::to_string(index) + "' doesn't exist");
    auto control = std::move(it->second);
    items_.erase(it);
    delete control->Widget();
  }

  // Sets one event of every control, present and later loaded, to handler, which is
  // called with the control's index first: Text7.On(&TextBox::Change, [](int index) {}).
  template <class... A>
  void On(std::function<void(A...)> T::*event, std::type_identity_t<std::function<void(int, A...)>> handler) {
    auto connect = [event, handler](T& control, int index) {
      control.*event = [handler, index](A... a) { handler(index, a...); };
    };
    for (auto& [index, control] : items_) connect(*control, index);
    connections_.push_back(connect);
  }

  // Visits the controls in index order.
  template <class Fn>
  void ForEach(Fn fn) const {
    for (const auto& [index, control] : items_) fn(index, *control);
  }

 private:
  std::string name_;
  std::function<std::unique_ptr<T>()> make_;
  std::map<int, std::unique_ptr<T>> items_;
  std::vector<std::function<void(T&, int)>> connections_;
};

}  // namespace vb
