// The Pin Data window: shows the data of the hole under the pointer.
#pragma once

#include "editor/brantel.h"
#include "platform/controls.h"

class Form8 : public vb::Form {
 public:
  explicit Form8(Brantel& app);
  Brantel& app;
};
