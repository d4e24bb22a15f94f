// Derives the output names from the argument, byte for byte: no case folding,
// no path handling.
#include "driver/output_names.h"

namespace driver {
namespace {

// Set once by SetOutputNames.
std::string base_name;
std::string prefix;

constexpr std::size_t kPrefixLength = 3;

}  // namespace

bool HasUsableDot(std::string_view argument) {
  const std::size_t dot = argument.rfind('.');
  return dot != std::string_view::npos && dot >= 1;
}

std::string BaseNameOf(std::string_view argument) {
  return std::string(argument.substr(0, argument.rfind('.')));
}

std::string PrefixOf(std::string_view base_name_text) {
  return std::string(base_name_text.substr(0, kPrefixLength));
}

void SetOutputNames(std::string_view argument) {
  base_name = BaseNameOf(argument);
  prefix = PrefixOf(base_name);
}

const std::string& BaseName() { return base_name; }
const std::string& Prefix() { return prefix; }

}  // namespace driver
