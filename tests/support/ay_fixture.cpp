#include "support/ay_fixture.h"

#include <algorithm>
#include <stdexcept>

namespace fixture {
namespace {

std::string Indexed(const std::string& name, std::size_t song) {
  return name + std::to_string(song);
}

std::string Indexed(const std::string& name, std::size_t song, std::size_t block) {
  return Indexed(name, song) + "." + std::to_string(block);
}

std::size_t ChunkSize(const AySpec& tune, const std::string& name) {
  for (const auto& [chunk, bytes] : tune.chunks) {
    if (chunk == name) return bytes.size();
  }
  throw std::out_of_range("no chunk " + name);
}

}  // namespace

ByteLayout LayOutAy(const AySpec& tune) {
  if (tune.songs.empty() || tune.songs.size() > 256) throw std::out_of_range("1 to 256 songs");
  ByteLayout layout;
  layout.Raw("ZXAYEMUL")
      .Byte(3, "FileVersion")
      .Byte(0, "PlayerVersion")
      .Word(0, "SpecialPlayerRef")
      .RefTo("author", "AuthorRef")
      .RefTo("misc", "MiscRef")
      .Byte(static_cast<std::uint8_t>(tune.songs.size() - 1), "LastSongIndex")
      .Byte(tune.first_song, "FirstSong")
      .RefTo("song_table", "SongTableRef");

  layout.Label("song_table");
  for (std::size_t i = 0; i < tune.songs.size(); ++i) {
    layout.RefTo(Indexed("name", i), Indexed("NameRef", i))
        .RefTo(Indexed("song_data", i), Indexed("SongDataRef", i));
  }
  for (std::size_t i = 0; i < tune.songs.size(); ++i) {
    const SongSpec& song = tune.songs[i];
    layout.Label(Indexed("song_data", i))
        .Raw(Bytes{0, 1, 2, 3})
        .Word(0)
        .Word(0)
        .Byte(song.high_reg, Indexed("HighRegByte", i))
        .Byte(song.low_reg, Indexed("LowRegByte", i))
        .RefTo(Indexed("points", i), Indexed("PointsRef", i))
        .RefTo(Indexed("block_list", i), Indexed("BlockListRef", i));
  }
  for (std::size_t i = 0; i < tune.songs.size(); ++i) {
    const SongSpec& song = tune.songs[i];
    layout.Label(Indexed("points", i))
        .Word(song.stack, Indexed("StackAddr", i))
        .Word(song.init, Indexed("InitAddr", i))
        .Word(song.interrupt, Indexed("InterruptAddr", i));
  }
  const std::size_t before = std::min(tune.chunks_before_lists, tune.chunks.size());
  for (std::size_t c = 0; c < before; ++c) {
    layout.Label("chunk:" + tune.chunks[c].first).Raw(tune.chunks[c].second);
  }
  for (std::size_t i = 0; i < tune.songs.size(); ++i) {
    layout.Label(Indexed("block_list", i));
    const std::vector<BlockSpec>& blocks = tune.songs[i].blocks;
    for (std::size_t k = 1; k <= blocks.size(); ++k) {
      const BlockSpec& block = blocks[k - 1];
      const std::size_t length = block.length ? *block.length : ChunkSize(tune, block.chunk);
      layout.Word(block.address, Indexed("LoadAddr", i, k))
          .Word(static_cast<std::uint16_t>(length), Indexed("BlockLength", i, k))
          .RefTo("chunk:" + block.chunk, Indexed("BlockDataRef", i, k));
    }
    layout.Word(0);
  }
  layout.Label("author").Text(tune.author).Label("misc").Text(tune.misc);
  for (std::size_t i = 0; i < tune.songs.size(); ++i) {
    layout.Label(Indexed("name", i)).Text(tune.songs[i].name);
  }
  for (std::size_t c = before; c < tune.chunks.size(); ++c) {
    layout.Label("chunk:" + tune.chunks[c].first).Raw(tune.chunks[c].second);
  }
  layout.Label("end");
  return layout;
}

Bytes Counting(std::size_t count, std::uint8_t first) {
  Bytes bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(first + i);
  return bytes;
}

}  // namespace fixture
