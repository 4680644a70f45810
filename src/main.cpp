// TARVEL: converts Condor 2 flight plans into Condor 3 flight plans.
#include "driver/tarvel.h"
#include "platform/process.h"

int main(int argc, char** argv) {
  return tarvel::tarvel_main(tarvel::platform_command_line(argc, argv));
}
