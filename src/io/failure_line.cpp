// Lays out the failure line on its fixed 29-column pattern.
#include "io/failure_line.h"

namespace io {

std::string FormatFailureLine(std::uint32_t code, std::uint32_t place) {
  std::string line = "Runtime error     at 00000000";
  // Columns 17 and 29 (from 1) hold the last digits. A code of more than three
  // digits overwrites the pattern leftwards; ten digits still fit after "Runtime".
  std::size_t column = 16;
  do {
    line[column--] = static_cast<char>('0' + code % 10);
    code /= 10;
  } while (code != 0);
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (std::size_t i = 0; i < 8; ++i) {
    line[28 - i] = kHex[place & 0xF];
    place >>= 4;
  }
  return line;
}

}  // namespace io
