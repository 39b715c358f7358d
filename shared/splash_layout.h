// The start-up window both programs show: the same layout of logo, product name, version,
// platform, two lines about the maker and the Continue button.
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/form.h"

struct SplashLayout {
  vb::Form& form;
  vb::Frame& frame;
  vb::Image& logo;
  vb::Label& productName;
  vb::Label& version;
  vb::Label& platform;
  vb::Label& makerLine;  // bold
  vb::Label& lastLine;
  vb::CommandButton& button;
};

// Sizes and places the controls of a start-up window (in pixels) and sets its fonts.
void LayOutSplash(const SplashLayout& w);

// "Version major.minor.revision" of the running program.
std::string VersionCaption();
