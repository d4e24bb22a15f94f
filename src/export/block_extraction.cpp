// Copies each new block from the AY file through the Z80 memory image into a
// BIN file of its own, and keeps the registry of blocks already written.
#include "export/block_extraction.h"

#include <array>
#include <span>
#include <vector>

#include "ay/song_model.h"
#include "driver/output_names.h"
#include "io/file_access.h"

namespace exporter {
namespace {

struct TBlock {
  std::int32_t Offset = 0;
  std::uint16_t Length = 0;
  std::string FileName;
};

// Every block passes through here on its way to its BIN file; each overwrites
// only its own range.
std::array<std::uint8_t, 0x10000> memory{};

// Entered by ResolveBlockFile, in the order the blocks were first met; emptied
// by ResetWrittenBlocks.
std::vector<TBlock> written_blocks;
std::int32_t written_count = 0;

}  // namespace

std::string BinFileName(const std::string& prefix, int song, int block_number) {
  return prefix + "_" + std::to_string(song) + "_" + std::to_string(block_number) + ".BIN";
}

void ResetWrittenBlocks() {
  written_count = 0;
  written_blocks.clear();
}

bool FindWrittenBlock(std::int32_t offset, std::uint16_t length, std::string& name) {
  for (std::int32_t i = 0; i < written_count; ++i) {
    const TBlock& block = written_blocks[static_cast<std::size_t>(i)];
    if (block.Offset == offset && block.Length == length) {
      name = block.FileName;
      return true;
    }
  }
  return false;
}

std::string ResolveBlockFile(int song, int block_number) {
  const ay::TSong& entry = ay::Songs()[static_cast<std::size_t>(song)];
  const auto at = static_cast<std::size_t>(block_number - 1);
  const std::uint16_t address = entry.BlockAddrs[at];
  const std::uint16_t length = entry.BlockLengths[at];
  const std::int32_t offset = entry.BlockOffsets[at];

  std::string name;
  if (FindWrittenBlock(offset, length, name)) return name;

  name = BinFileName(driver::Prefix(), song, block_number);
  // Registered before any file operation; a failure below ends the run anyway.
  ++written_count;
  written_blocks.push_back(TBlock{offset, length, name});

  io::ByteFile& ay_file = ay::AyFile();
  io::SeekTo(ay_file, offset);
  // The room from the load address up bounds the read: a block whose offset
  // lies past the end of the file may claim more than the address space holds.
  const std::span<std::uint8_t> from_address = std::span(memory).subspan(address);
  io::ReadExact(ay_file, from_address, length);

  io::ByteFile bin_file;
  io::CreateOutput(bin_file, name);
  io::WriteExact(bin_file, from_address.first(length));
  io::CloseFile(bin_file);
  return name;
}

}  // namespace exporter
