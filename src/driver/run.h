// The program's whole control flow, in one pass.
#pragma once

#include <span>
#include <string_view>

namespace driver {

// Checks the arguments (those after the program's name), loads the AY file
// and exports it. Returns after the usage lines, a rejected file or a complete
// run; a failing file or console operation ends the run instead.
void RunTunsnip(std::span<const std::string_view> arguments);

}  // namespace driver
