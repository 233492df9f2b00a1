#include "app/startup.h"
#include "framework/runtime.h"

int main(int argc, char** argv) {
  StartProgram(argc, argv);
  RuntimeRun();
  return StopProgram();
}
