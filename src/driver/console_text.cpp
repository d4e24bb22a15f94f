// Keeps texts from the AY file from reaching a terminal as control sequences.
#include "driver/console_text.h"

namespace driver {

std::string ShownOnConsole(const std::string& text, bool console_is_terminal) {
  if (!console_is_terminal) return text;
  std::string shown = text;
  for (char& byte : shown) {
    const auto value = static_cast<unsigned char>(byte);
    if (value < 32 || value == 127) byte = '?';
  }
  return shown;
}

}  // namespace driver
