// The console line that reports a run failure.
#pragma once

#include <cstdint>
#include <string>

namespace io {

// "Runtime error     at 00000000" with the code's last digit in column 17
// (longer codes run leftwards over the pattern) and the place as eight
// upper-case hex digits in columns 22 to 29. No line end.
std::string FormatFailureLine(std::uint32_t code, std::uint32_t place);

}  // namespace io
