// Block extraction: writes each distinct block to a BIN file once and
// remembers its name, so later blocks with the same file offset and length
// reuse it. The load address plays no part in what makes two blocks the same.
#pragma once

#include <cstdint>
#include <string>

namespace exporter {

// Prefix + "_" + song + "_" + block_number + ".BIN".
std::string BinFileName(const std::string& prefix, int song, int block_number);

// Empties the written-block registry. Once per run, before the first song.
void ResetWrittenBlocks();

// True when a block with this offset and length was written; `name` is then
// set to its file name and otherwise left as it was.
bool FindWrittenBlock(std::int32_t offset, std::uint16_t length, std::string& name);

// Returns the BIN file name for block `block_number` (from 1) of song `song`
// (from 0). Writes the file the first time its offset and length are met.
// Ends the run on any file failure.
std::string ResolveBlockFile(int song, int block_number);

}  // namespace exporter
