// The pictures of the main window's tool buttons and its logo, drawn by the program.
#pragma once

#include <string>

#include "platform/picture.h"

// The picture of the button with this control name, or of a cutting tool ("Cut", "Drill").
vb::Picture ToolPicture(const std::string& name);
vb::Picture LogoPicture();
