// Builds an AY file again from an INI description and its BIN files, for the
// round-trip tests. Not a feature of the program: its builder is another tool.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "support/ay_fixture.h"

namespace fixture {

// Reads `ini_name` and the BIN files it names from `folder`. Every distinct
// BIN file becomes one data chunk, so blocks that shared a file share their
// bytes again. Returns nothing, with `why` set, when the INI does not parse.
std::optional<AySpec> ReassembleAy(const std::filesystem::path& folder, const std::string& ini_name,
                                   std::string& why);

// Lays the description out so that every pointer stays in reach; throws
// std::out_of_range when the data is too large for any layout of this kind.
Bytes BuildReassembled(AySpec tune);

}  // namespace fixture
