#include "support/reassembler.h"

#include <map>
#include <stdexcept>

#include "support/scratch_run.h"

namespace fixture {
namespace {

// Walks the INI text in its fixed layout. Quoted texts may hold anything, so
// each ends where the next line's key begins, not at the first line end.
class IniCursor {
 public:
  explicit IniCursor(std::string text) : text_(std::move(text)) {}

  bool Take(const std::string& literal) {
    if (text_.compare(at_, literal.size(), literal) != 0) return false;
    at_ += literal.size();
    return true;
  }
  bool Looking(const std::string& literal) const {
    return text_.compare(at_, literal.size(), literal) == 0;
  }
  // The text up to `end`, which is consumed too.
  bool TakeUntil(const std::string& end, std::string& value) {
    const std::size_t found = text_.find(end, at_);
    if (found == std::string::npos) return false;
    value = text_.substr(at_, found - at_);
    at_ = found + end.size();
    return true;
  }
  bool TakeNumber(const std::string& key, long& value) {
    std::string digits;
    if (!Take(key) || !TakeUntil("\r\n", digits) || digits.empty()) return false;
    if (digits == "DUMMY") {
      value = 27;
      return true;
    }
    value = std::stol(digits);
    return true;
  }
  bool AtEnd() const { return at_ == text_.size(); }

 private:
  std::string text_;
  std::size_t at_ = 0;
};

template <typename T>
T As(long value) {
  return static_cast<T>(value);
}

}  // namespace

std::optional<AySpec> ReassembleAy(const std::filesystem::path& folder, const std::string& ini_name,
                                   std::string& why) {
  IniCursor ini(ReadFile(folder / ini_name));
  AySpec tune;
  std::string ignored;
  long number = 0;
  if (!ini.Take(";Tolvane INI file for ") || !ini.TakeUntil("\r\n", ignored) ||
      !ini.Take("Creator=\"") || !ini.TakeUntil("\"\r\nMisc=\"", tune.author) ||
      !ini.TakeUntil("\"\r\nStartSong=", tune.misc) || !ini.TakeNumber("", number) ||
      !ini.Take("AllCodeLength=AUTO\r\n")) {
    why = "header";
    return std::nullopt;
  }
  tune.first_song = As<std::uint8_t>(number);
  std::map<std::string, bool> known_chunks;
  while (ini.Take("NewSong=This\r\n")) {
    SongSpec song;
    long stack = 0, high = 0, low = 0, init = 0, interrupt = 0;
    if (!ini.Take("SongName=\"") || !ini.TakeUntil("\"\r\nStack=", song.name) ||
        !ini.TakeNumber("", stack) || !ini.TakeNumber("AReg=", high) ||
        !ini.TakeNumber("LowReg=", low) || !ini.TakeNumber("JpAddr=", init) ||
        !ini.TakeNumber("IntAddr=", interrupt)) {
      why = "song " + std::to_string(tune.songs.size());
      return std::nullopt;
    }
    song.stack = As<std::uint16_t>(stack);
    song.high_reg = As<std::uint8_t>(high);
    song.low_reg = As<std::uint8_t>(low);
    song.init = As<std::uint16_t>(init);
    song.interrupt = As<std::uint16_t>(interrupt);
    for (std::size_t k = 1; ini.Looking("CodeStartAddr"); ++k) {
      long address = 0;
      std::string name;
      const std::string number_text = std::to_string(k);
      if (!ini.TakeNumber("CodeStartAddr" + number_text + "=", address) ||
          !ini.Take("CodeName" + number_text + "=") || !ini.TakeUntil("\r\n", name)) {
        why = "block " + number_text;
        return std::nullopt;
      }
      if (!known_chunks[name]) {
        known_chunks[name] = true;
        const std::string bytes = ReadFile(folder / name);
        tune.chunks.emplace_back(name, Bytes(bytes.begin(), bytes.end()));
        // Two empty files must not end up at one offset, or they would merge.
        if (bytes.empty()) tune.chunks.emplace_back(name + ":gap", Bytes{0});
      }
      song.blocks.push_back(BlockSpec{As<std::uint16_t>(address), name});
    }
    tune.songs.push_back(song);
  }
  if (!ini.AtEnd() || tune.songs.empty()) {
    why = "trailing text";
    return std::nullopt;
  }
  return tune;
}

Bytes BuildReassembled(AySpec tune) {
  // Block entries sit between the two groups of chunks; put as much data
  // before them as keeps the song data's pointers to the lists in reach.
  std::size_t lists = 0;
  for (const SongSpec& song : tune.songs) lists += 6 * song.blocks.size() + 2;
  // A pointer reaches 32,767 bytes; the header, song table and song records
  // in front take at most about 4.7 KB of that.
  constexpr std::size_t kRoomBeforeLists = 28000;
  std::size_t before = 0;
  std::size_t bytes_before = 0;
  while (before < tune.chunks.size() &&
         bytes_before + tune.chunks[before].second.size() + lists < kRoomBeforeLists) {
    bytes_before += tune.chunks[before].second.size();
    ++before;
  }
  tune.chunks_before_lists = before;
  return LayOutAy(tune).Build();
}

}  // namespace fixture
