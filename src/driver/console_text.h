// How a text taken from the AY file is shown on the console.
#pragma once

#include <string>

namespace driver {

// On a terminal a control byte from a downloaded file would act on the
// terminal; each byte 0 to 31 and 127 is shown as "?". Elsewhere the text is
// returned unchanged.
std::string ShownOnConsole(const std::string& text, bool console_is_terminal);

}  // namespace driver
