// The records of an AY file of the Z80-emulation kind, as they lie in the
// file, and their decoding from raw bytes. Fields ending in Ref are relative
// pointers: they designate their own position plus their signed value.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "ay/byte_order.h"

namespace ay {

using TTag = std::array<std::uint8_t, 4>;

inline constexpr TTag kMagic = {'Z', 'X', 'A', 'Y'};
inline constexpr TTag kEmulType = {'E', 'M', 'U', 'L'};

// At position 0.
struct TAyHeader {
  static constexpr std::size_t kSize = 20;
  TTag Magic{};
  TTag FileType{};
  std::uint8_t FileVersion = 0;
  std::uint8_t PlayerVersion = 0;
  TWordField SpecialPlayerRef{};
  TWordField AuthorRef{};
  TWordField MiscRef{};
  std::uint8_t LastSongIndex = 0;
  std::uint8_t FirstSong = 0;
  TWordField SongTableRef{};
};

// Entry k of the song table lies 4 × k bytes after the first.
struct TSongEntry {
  static constexpr std::size_t kSize = 4;
  TWordField NameRef{};
  TWordField SongDataRef{};
};

struct TSongData {
  static constexpr std::size_t kSize = 14;
  std::array<std::uint8_t, 4> ChannelMap{};
  TWordField SongLength{};
  TWordField FadeLength{};
  std::uint8_t HighRegByte = 0;
  std::uint8_t LowRegByte = 0;
  TWordField PointsRef{};
  TWordField BlockListRef{};
};

struct TSongPoints {
  static constexpr std::size_t kSize = 6;
  TWordField StackAddr{};
  TWordField InitAddr{};
  TWordField InterruptAddr{};
};

// Field offsets inside the records, where the loader needs a field's position.
inline constexpr std::int32_t kAuthorRefAt = 12;
inline constexpr std::int32_t kMiscRefAt = 14;
inline constexpr std::int32_t kSongTableRefAt = 18;
inline constexpr std::int32_t kSongDataRefAt = 2;
inline constexpr std::int32_t kPointsRefAt = 10;
inline constexpr std::int32_t kBlockListRefAt = 12;

TAyHeader DecodeHeader(std::span<const std::uint8_t, TAyHeader::kSize> bytes);
TSongEntry DecodeSongEntry(std::span<const std::uint8_t, TSongEntry::kSize> bytes);
TSongData DecodeSongData(std::span<const std::uint8_t, TSongData::kSize> bytes);
TSongPoints DecodeSongPoints(std::span<const std::uint8_t, TSongPoints::kSize> bytes);

}  // namespace ay
