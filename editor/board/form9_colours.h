// The Board Color window: edits the board and trace colours with a preview.
#pragma once

#include "editor/brantel.h"
#include "platform/controls.h"
#include "platform/picturebox.h"

class Form9 : public vb::Form {
 public:
  explicit Form9(Brantel& app);
  Brantel& app;
  vb::PictureBox Picture1;
};
