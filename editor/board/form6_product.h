// The product information window.
#pragma once

#include "editor/brantel.h"
#include "platform/controls.h"

class Form6 : public vb::Form {
 public:
  explicit Form6(Brantel& app);
  Brantel& app;
};
