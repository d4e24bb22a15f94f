// Walks the AY file's relative pointers in a fixed order of reads and seeks
// and builds the song model. Pointers are followed without range checks: a
// pointer that leads outside the file ends the run at the seek or the read.
#include "ay/ay_loader.h"

#include <array>

namespace ay {
namespace {

// Written by LoadAyFile only.
io::ByteFile ay_file;
TAyHeader header;
std::string author_text;
std::string misc_text;
std::vector<std::string> song_names;
std::vector<TSong> songs;

constexpr std::uint32_t kAddressSpace = 0x10000;

template <std::size_t N>
std::array<std::uint8_t, N> ReadBytes() {
  std::array<std::uint8_t, N> bytes{};
  io::ReadExact(ay_file, bytes, N);
  return bytes;
}

TWordField ReadWord() { return ReadBytes<2>(); }

// A text runs to its 0 byte, which is consumed; there is no length limit.
void ReadText(std::string& text) {
  text.clear();
  for (;;) {
    const std::uint8_t byte = ReadBytes<1>()[0];
    if (byte == 0) return;
    text.push_back(static_cast<char>(byte));
  }
}

void SeekRelative(std::int32_t field_position, TWordField ref) {
  io::SeekTo(ay_file, field_position + SwapSmallInt(ref));
}

// `load_field` is the entry's load address, already read and not 0.
void ReadBlock(TSong& song, TWordField load_field) {
  ++song.BlockCount;
  const std::uint16_t address = SwapWord(load_field);
  song.BlockAddrs.push_back(address);
  // Only the first block can find InitAddr still 0, as no load address is 0.
  if (song.InitAddr == 0) song.InitAddr = address;

  std::uint32_t length = SwapWord(ReadWord());
  if (address + length > kAddressSpace) length = kAddressSpace - address;

  const TWordField data_ref = ReadWord();
  const std::int32_t ref_position = io::FilePosition(ay_file) - 2;
  const auto offset =
      static_cast<std::int32_t>(std::int64_t{ref_position} + SwapSmallInt(data_ref));

  const std::int32_t size = io::FileLength(ay_file);
  // Past the end of the file the difference is negative; its low 16 bits are
  // kept on purpose, and the block's extraction then falls short.
  if (std::int64_t{size} < std::int64_t{offset} + length) {
    length = static_cast<std::uint16_t>(std::int64_t{size} - offset);
  }
  song.BlockLengths.push_back(static_cast<std::uint16_t>(length));
  song.BlockOffsets.push_back(offset);
}

void ReadSong(std::int32_t entry_position, const TSongEntry& entry) {
  SeekRelative(entry_position, entry.NameRef);
  ReadText(song_names.emplace_back());

  SeekRelative(entry_position + kSongDataRefAt, entry.SongDataRef);
  const TSongData data = DecodeSongData(ReadBytes<TSongData::kSize>());
  const std::int32_t data_position =
      io::FilePosition(ay_file) - static_cast<std::int32_t>(TSongData::kSize);

  SeekRelative(data_position + kPointsRefAt, data.PointsRef);
  const TSongPoints points = DecodeSongPoints(ReadBytes<TSongPoints::kSize>());
  TSong& song = songs.emplace_back();
  song.StackAddr = SwapWord(points.StackAddr);
  song.InitAddr = SwapWord(points.InitAddr);
  song.InterruptAddr = SwapWord(points.InterruptAddr);

  SeekRelative(data_position + kBlockListRefAt, data.BlockListRef);
  song.HighRegByte = data.HighRegByte;
  song.LowRegByte = data.LowRegByte;
  for (TWordField load = ReadWord(); SwapWord(load) != 0; load = ReadWord()) {
    ReadBlock(song, load);
  }
}

}  // namespace

const TAyHeader& AyHeader() { return header; }
const std::string& AuthorText() { return author_text; }
const std::string& MiscText() { return misc_text; }
const std::vector<std::string>& SongNames() { return song_names; }
const std::vector<TSong>& Songs() { return songs; }
io::ByteFile& AyFile() { return ay_file; }

bool LoadAyFile(std::string_view path) {
  author_text.clear();
  misc_text.clear();
  song_names.clear();
  songs.clear();
  io::OpenInput(ay_file, path);
  header = DecodeHeader(ReadBytes<TAyHeader::kSize>());
  if (header.Magic != kMagic) {
    io::WriteLine(io::StandardOutput(), "Error: Not .AY file");
    io::CloseFile(ay_file);
    return false;
  }
  if (header.FileType != kEmulType) {
    io::WriteLine(io::StandardOutput(), "Error: Not Z80 emulation .AY file");
    io::CloseFile(ay_file);
    return false;
  }
  SeekRelative(kAuthorRefAt, header.AuthorRef);
  ReadText(author_text);
  SeekRelative(kMiscRefAt, header.MiscRef);
  ReadText(misc_text);

  SeekRelative(kSongTableRefAt, header.SongTableRef);
  for (int index = 0; index <= header.LastSongIndex; ++index) {
    const TSongEntry entry = DecodeSongEntry(ReadBytes<TSongEntry::kSize>());
    const std::int32_t after_entry = io::FilePosition(ay_file);
    ReadSong(after_entry - static_cast<std::int32_t>(TSongEntry::kSize), entry);
    io::SeekTo(ay_file, after_entry);
  }
  return true;
}

void CloseAyFile() { io::CloseFile(ay_file); }

}  // namespace ay
