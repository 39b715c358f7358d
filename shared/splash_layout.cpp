#include "shared/splash_layout.h"

#include "platform/app.h"

void LayOutSplash(const SplashLayout& w) {
  w.form.SetCaption("");
  w.form.SetScaleMode(vb::vbPixels);
  w.form.SetCentreOnShow(true);
  w.form.SetKeyPreview(true);

  w.frame.Move(8, 4, 404, 236);
  w.logo.Move(16, 24, 48, 48);
  w.productName.Move(84, 22, 300, 40);
  w.productName.SetFont(24, true);
  w.version.Move(84, 70, 300, 20);
  w.version.SetFont(10);
  w.platform.Move(84, 94, 300, 20);
  w.platform.SetFont(10);
  w.makerLine.Move(16, 150, 372, 20);
  w.makerLine.SetFont(10, true);
  w.lastLine.Move(16, 176, 372, 20);
  w.lastLine.SetFont(10);
  w.button.Move(312, 248, 100, 28);
  w.form.SetClientSize(420, 284);
}

std::string VersionCaption() {
  return "Version " + std::to_string(vb::AppMajor()) + "." + std::to_string(vb::AppMinor()) + "." +
         std::to_string(vb::AppRevision());
}
