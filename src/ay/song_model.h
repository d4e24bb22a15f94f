// The songs as the loader found them, read by the driver and the export.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ay/ay_format.h"
#include "io/file_access.h"

namespace ay {

struct TSong {
  std::uint16_t StackAddr = 0;
  // 0 in the file stands for the load address of the song's first block.
  std::uint16_t InitAddr = 0;
  std::uint16_t InterruptAddr = 0;
  std::uint8_t HighRegByte = 0;
  std::uint8_t LowRegByte = 0;
  std::int32_t BlockCount = 0;
  std::vector<std::uint16_t> BlockAddrs;
  // Already cut to the top of the address space and to the end of the file.
  std::vector<std::uint16_t> BlockLengths;
  // Absolute positions in the AY file; may be negative or past its end.
  std::vector<std::int32_t> BlockOffsets;
};

// Filled by LoadAyFile only; valid for the rest of the run.
const TAyHeader& AyHeader();
const std::string& AuthorText();
const std::string& MiscText();
const std::vector<std::string>& SongNames();
const std::vector<TSong>& Songs();

// The AY file, open for reading from a successful LoadAyFile to CloseAyFile.
io::ByteFile& AyFile();

}  // namespace ay
