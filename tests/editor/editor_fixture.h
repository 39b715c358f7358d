// The fixture most editor tests start from: a program in a temporary installation folder,
// every message box scripted, and helpers to reach the main window and build a board.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "editor/form1.h"
#include "tests/support/fixtures.h"

class EditorTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  testsupport::ScriptedResponder responder;
  Brantel app;

  Form1& f() { return app.Form1(); }
  Module1& m() { return app.m; }

  // An empty board of the given size, as start-up builds it.
  void Board(int across, int down) {
    f().Text1.SetText(std::to_string(across));
    f().Text2.SetText(std::to_string(down));
    f().GraphicLimits(true);
    f().GraphicLimits(true);  // the size is now current: the pitch is fitted
    f().BuildArray(true);
    f().InitKelm();
    RefreshBoard(app);
  }
};
