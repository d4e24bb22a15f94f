// Copies each new block from the AY file through the Z80 memory image into a
// BIN file of its own, and keeps the registry of blocks already written.
#include "export/block_extraction.h"

#include <array>
#include <map>
#include <span>
#include <utility>
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
std::array<std::uint8_t, 0x10000> Memory{};

// Entered by ResolveBlockFile, in the order the blocks were first met; emptied
// by ResetWrittenBlocks.
std::vector<TBlock> WrittenBlocks;
// Beside the registry, so that a lookup costs the same with 100,000 entries as
// with 10: each offset and length leads to its entry's index.
std::map<std::pair<std::int32_t, std::uint16_t>, std::size_t> WrittenIndex;

}  // namespace

std::string BinFileName(const std::string& prefix, int song, int block_number) {
  return prefix + "_" + std::to_string(song) + "_" + std::to_string(block_number) + ".BIN";
}

void ResetWrittenBlocks() {
  WrittenBlocks.clear();
  WrittenIndex.clear();
}

bool FindWrittenBlock(std::int32_t offset, std::uint16_t length, std::string& name) {
  const auto found = WrittenIndex.find({offset, length});
  if (found == WrittenIndex.end()) return false;
  name = WrittenBlocks[found->second].FileName;
  return true;
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
  WrittenIndex.emplace(std::pair{offset, length}, WrittenBlocks.size());
  WrittenBlocks.push_back(TBlock{offset, length, name});

  io::ByteFile& ay_file = ay::AyFile();
  io::SeekTo(ay_file, offset);
  // The room from the load address up bounds the read: a block whose offset
  // lies past the end of the file may claim more than the address space holds.
  const std::span<std::uint8_t> from_address = std::span(Memory).subspan(address);
  io::ReadExact(ay_file, from_address, length);

  io::ByteFile bin_file;
  io::CreateOutput(bin_file, name);
  io::WriteExact(bin_file, from_address.first(length));
  io::CloseFile(bin_file);
  return name;
}

}  // namespace exporter
