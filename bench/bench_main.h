// The main function of a benchmark program that drives the programs' windows: Qt's offscreen
// platform unless another is asked for, the application object, and every case run inside an
// installation folder of the program's own kind (made before the first case, removed after the
// last).
#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/app.h"

namespace benchsupport {

template <class Installation>
int RunInInstallation(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  vb::Application application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Installation folder;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace benchsupport
