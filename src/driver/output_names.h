// The names derived from the command-line argument: BaseName, from which the
// INI file is named, and Prefix, with which every BIN file name begins.
#pragma once

#include <string>
#include <string_view>

namespace driver {

// True when the argument's last "." stands after its first character. The
// search crosses directory separators on purpose.
bool HasUsableDot(std::string_view argument);

// Everything before the last ".". Requires HasUsableDot(argument).
std::string BaseNameOf(std::string_view argument);

// BaseName itself when shorter than 4 characters, else its first 3.
std::string PrefixOf(std::string_view base_name);

// Sets BaseName and Prefix once, before loading. Requires HasUsableDot(argument).
void SetOutputNames(std::string_view argument);

const std::string& BaseName();
const std::string& Prefix();

}  // namespace driver
