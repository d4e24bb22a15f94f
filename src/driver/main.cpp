// tunsnip: takes an AY music file of the Z80-emulation kind apart into BIN
// files, one per distinct memory block, and an INI description of them.
#include <string_view>
#include <vector>

#include "driver/run.h"
#include "io/file_access.h"

int main(int argc, char** argv) {
  io::StartRun();
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  driver::RunTunsnip(arguments);
  return io::FinishRun();
}
