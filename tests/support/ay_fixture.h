// Builds AY files of the Z80-emulation kind for tests. A description gives the
// texts, songs, blocks and data chunks; the result is a ByteLayout whose named
// fields a test can still bend (a negative pointer, a field past the end,
// two songs sharing one record).
//
// Field names: the header's FileVersion, PlayerVersion, SpecialPlayerRef,
// AuthorRef, MiscRef, LastSongIndex, FirstSong, SongTableRef; per song i
// NameRef<i>, SongDataRef<i>, HighRegByte<i>, LowRegByte<i>, PointsRef<i>,
// BlockListRef<i>, StackAddr<i>, InitAddr<i>, InterruptAddr<i>; per block k
// (from 1) of song i LoadAddr<i>.<k>, BlockLength<i>.<k>, BlockDataRef<i>.<k>.
// Labels: author, misc, song_table, name<i>, song_data<i>, points<i>,
// block_list<i>, chunk:<name>, and end.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/byte_layout.h"

namespace fixture {

struct BlockSpec {
  std::uint16_t address = 0;
  // The data chunk that holds the block's bytes.
  std::string chunk;
  // The stored length; the chunk's size when not given.
  std::optional<std::uint16_t> length;
};

struct SongSpec {
  std::string name;
  std::uint16_t stack = 0;
  std::uint16_t init = 0;
  std::uint16_t interrupt = 0;
  std::uint8_t high_reg = 0;
  std::uint8_t low_reg = 0;
  std::vector<BlockSpec> blocks;
};

struct AySpec {
  std::string author;
  std::string misc;
  std::uint8_t first_song = 0;
  std::vector<SongSpec> songs;
  // Laid out last, in this order, so that the last chunk ends the file.
  std::vector<std::pair<std::string, Bytes>> chunks;
  // How many of the chunks go before the block lists instead: pointers reach
  // only 32 KB either way, and a large file needs data on both sides.
  std::size_t chunks_before_lists = 0;
};

ByteLayout LayOutAy(const AySpec& tune);

// `count` bytes counting up from `first`, to tell blocks apart.
Bytes Counting(std::size_t count, std::uint8_t first = 0);

}  // namespace fixture
