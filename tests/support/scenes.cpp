#include "support/scenes.h"

#include <regex>

namespace fixture {

AySpec SampleTune() {
  AySpec tune;
  tune.author = "Demo Group";
  tune.misc = "Test tune";
  tune.first_song = 0;
  tune.songs = {
      SongSpec{
          "Intro", 65280, 32768, 27, 0, 0, {BlockSpec{32768, "player"}, BlockSpec{49152, "intro"}}},
      SongSpec{"Main theme",
               65280,
               32768,
               0,
               1,
               2,
               {BlockSpec{32768, "player"}, BlockSpec{16384, "main"}}},
  };
  tune.chunks = {
      {"player", Counting(40, 1)}, {"intro", Counting(20, 100)}, {"main", Counting(30, 200)}};
  return tune;
}

AySpec RepeatedBlocksTune() {
  AySpec tune;
  tune.author = "Repeat Group";
  tune.misc = "Blocks seen again and again";
  tune.chunks = {{"code", Counting(200, 3)}, {"data", Counting(90, 60)}, {"more", Counting(7)}};
  tune.songs = {
      SongSpec{"First",
               65000,
               0,
               27,
               0,
               0,
               {BlockSpec{0x8000, "code"}, BlockSpec{0xC000, "data"}, BlockSpec{0x9000, "code"}}},
      SongSpec{
          "Second",
          65000,
          0x8000,
          0x8010,
          1,
          1,
          {BlockSpec{0x8000, "code"}, BlockSpec{0x6000, "more"}, BlockSpec{0xC000, "data", 40}}},
      SongSpec{"Third", 65000, 0, 0, 2, 2, {BlockSpec{0x4000, "data"}, BlockSpec{0x6000, "more"}}},
  };
  return tune;
}

std::string SampleTuneIni() {
  return CrLf({
      ";Tolvane INI file for tune.ay",
      "Creator=\"Demo Group\"",
      "Misc=\"Test tune\"",
      "StartSong=0",
      "AllCodeLength=AUTO",
      "NewSong=This",
      "SongName=\"Intro\"",
      "Stack=65280",
      "AReg=0",
      "LowReg=0",
      "JpAddr=32768",
      "IntAddr=DUMMY",
      "CodeStartAddr1=32768",
      "CodeName1=tun_0_1.BIN",
      "CodeStartAddr2=49152",
      "CodeName2=tun_0_2.BIN",
      "NewSong=This",
      "SongName=\"Main theme\"",
      "Stack=65280",
      "AReg=1",
      "LowReg=2",
      "JpAddr=32768",
      "IntAddr=0",
      "CodeStartAddr1=32768",
      "CodeName1=tun_0_1.BIN",
      "CodeStartAddr2=16384",
      "CodeName2=tun_1_2.BIN",
  });
}

std::string AsText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::string CrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

bool EndsWithFailureLine(const std::string& console, unsigned code) {
  std::string digits = std::to_string(code);
  digits.insert(0, digits.size() < 3 ? 3 - digits.size() : 0, ' ');
  const std::regex line("(^|\\n)Runtime error " + digits + " at [0-9A-F]{8}\\r\\n$");
  return std::regex_search(console, line);
}

std::string BeforeFailureLine(const std::string& console) {
  const std::size_t at = console.rfind("Runtime error");
  return at == std::string::npos ? console : console.substr(0, at);
}

}  // namespace fixture
