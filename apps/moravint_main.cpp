#include "parteditor/moravint.h"
#include "platform/app.h"

int main(int argc, char** argv) {
  vb::Application app(argc, argv);
  return RunMoravint();
}
