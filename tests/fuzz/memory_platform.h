// A platform for the fuzz harness: files live in memory, the console takes
// everything and keeps nothing, and the end of a run comes back as RunEnded.
// System calls would cost far more than the code under test.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fuzz/run_ended.h"

namespace fuzz {

using Folder = std::map<std::string, std::vector<std::uint8_t>>;

// Makes `folder` the whole file system and forgets every open file.
void UseFolder(Folder folder);

// The files as the run left them.
const Folder& CurrentFolder();

}  // namespace fuzz
