// Decodes the raw records byte by byte, never by laying a struct over bytes.
#include "ay/ay_format.h"

namespace ay {
namespace {

template <std::size_t N>
std::array<std::uint8_t, N> Take(std::span<const std::uint8_t> bytes, std::size_t at) {
  std::array<std::uint8_t, N> field{};
  for (std::size_t i = 0; i < N; ++i) field[i] = bytes[at + i];
  return field;
}

}  // namespace

TAyHeader DecodeHeader(std::span<const std::uint8_t, TAyHeader::kSize> bytes) {
  TAyHeader header;
  header.Magic = Take<4>(bytes, 0);
  header.FileType = Take<4>(bytes, 4);
  header.FileVersion = bytes[8];
  header.PlayerVersion = bytes[9];
  header.SpecialPlayerRef = Take<2>(bytes, 10);
  header.AuthorRef = Take<2>(bytes, kAuthorRefAt);
  header.MiscRef = Take<2>(bytes, kMiscRefAt);
  header.LastSongIndex = bytes[16];
  header.FirstSong = bytes[17];
  header.SongTableRef = Take<2>(bytes, kSongTableRefAt);
  return header;
}

TSongEntry DecodeSongEntry(std::span<const std::uint8_t, TSongEntry::kSize> bytes) {
  return TSongEntry{Take<2>(bytes, 0), Take<2>(bytes, kSongDataRefAt)};
}

TSongData DecodeSongData(std::span<const std::uint8_t, TSongData::kSize> bytes) {
  TSongData data;
  data.ChannelMap = Take<4>(bytes, 0);
  data.SongLength = Take<2>(bytes, 4);
  data.FadeLength = Take<2>(bytes, 6);
  data.HighRegByte = bytes[8];
  data.LowRegByte = bytes[9];
  data.PointsRef = Take<2>(bytes, kPointsRefAt);
  data.BlockListRef = Take<2>(bytes, kBlockListRefAt);
  return data;
}

TSongPoints DecodeSongPoints(std::span<const std::uint8_t, TSongPoints::kSize> bytes) {
  return TSongPoints{Take<2>(bytes, 0), Take<2>(bytes, 2), Take<2>(bytes, 4)};
}

}  // namespace ay
