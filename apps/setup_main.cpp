#include "platform/app.h"
#include "setup/program.h"

int main(int argc, char** argv) {
  vb::Application app(argc, argv);
  return RunSetup();
}
