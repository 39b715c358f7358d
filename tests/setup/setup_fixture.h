// The fixture of the installer tests: drive C: is a temporary folder holding a medium
// folder "C:\medium" (the current folder, from which the installer runs), every message
// box and modal window is scripted, and helpers build either desktop layout.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "setup/form1.h"
#include "setup/form4.h"
#include "setup/program.h"
#include "setup/shortcut_template.h"
#include "setup/ula.h"
#include "tests/support/fixtures.h"

class SetupTest : public ::testing::Test {
 protected:
  testsupport::TempFolder drive;
  testsupport::ScriptedResponder responder;
  std::unique_ptr<::Setup> app;

  static constexpr const char* kScript =
      "[Setup]\r\nBrantel Setup\r\nThe strip board suite\r\nC:\\Brantel\r\nBrantel\r\nMoravint\r\nbrantel.ini\r\n";

  void SetUp() override {
    WriteMedium(kScript);
    drive.Write("medium/link.dat", setup::MakeShortcutTemplate('C', 4321));
    drive.Write("medium/Brantel", "#!/bin/sh\necho layout\n");
    drive.Write("medium/Moravint", "#!/bin/sh\necho parts\n");
    drive.Write("medium/brantel.ini", "[Initalize]\r\n");
    std::filesystem::permissions(drive.HostFile("medium/Brantel"), std::filesystem::perms::owner_all);
    vb::SetCurrentHostFolder(drive.HostFile("medium"));
  }

  void WriteMedium(const std::string& script) { drive.Write("medium/Setup.ini", script); }
  void OlderFamilyDesktop() { std::filesystem::create_directories(drive.HostFile("Windows/Desktop")); }
  void Profiles(const std::vector<std::string>& names) {
    for (const auto& n : names) std::filesystem::create_directories(drive.HostFile("Documents and Settings/" + n + "/Desktop"));
  }

  // The installer started: its agreement window is shown.
  ::Setup& Start() {
    app = std::make_unique<::Setup>();
    app->Start();
    return *app;
  }
  // Started and agreed: the install window is shown.
  Form1& Agreed() {
    Start().ULA().Command1.PerformClick();
    return app->Form1();
  }
  // The chooser's next showing picks `name` by a double click (or closes when empty).
  void ChooseProfile(const std::string& name, std::vector<std::string>* offered = nullptr) {
    responder.ExpectModal([name, offered](vb::Form& form) {
      auto& chooser = static_cast<Form4&>(form);
      if (offered) {
        offered->clear();
        for (int i = 0; i < chooser.List1.ListCount(); ++i) offered->push_back(chooser.List1.List(i));
      }
      for (int i = 0; i < chooser.List1.ListCount(); ++i)
        if (chooser.List1.List(i) == name) chooser.List1.SetListIndex(i);
      chooser.List1_DblClick();
      if (chooser.IsLoaded()) chooser.Unload();  // nothing chosen: the window is closed
    });
  }
};
