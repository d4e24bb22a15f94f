// A complete run: console lines, the INI file and the BIN files, byte for byte.
#include <gtest/gtest.h>

#include <set>

#include "support/scenes.h"

namespace fixture {
namespace {

TEST(Export, SampleTuneLineByLine) {
  ScratchFolder folder;
  const AySpec tune = SampleTune();
  const Bytes input = LayOutAy(tune).Build();
  folder.Write("tune.ay", input);
  const RunResult run = folder.Run("tune.ay");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.console, CrLf({"Author: Demo Group", "Misc: Test tune", "Song #0 Title: Intro",
                               "Song #1 Title: Main theme"}));
  const std::map<std::string, std::string> expected = {
      {"tune.ay", AsText(input)},
      {"tune.INI", SampleTuneIni()},
      {"tun_0_1.BIN", AsText(tune.chunks[0].second)},
      {"tun_0_2.BIN", AsText(tune.chunks[1].second)},
      {"tun_1_2.BIN", AsText(tune.chunks[2].second)},
  };
  EXPECT_EQ(folder.Files(), expected);
}

TEST(Export, ReplacesEarlierOutputsCompletely) {
  ScratchFolder folder;
  folder.Write("tune.ay", LayOutAy(SampleTune()).Build());
  folder.Write("tune.INI", std::string(5000, 'i'));
  folder.Write("tun_0_2.BIN", std::string(5000, 'b'));
  folder.Write("tun_9_9.BIN", std::string("left alone"));
  ASSERT_EQ(folder.Run("tune.ay").status, 0);
  const auto files = folder.Files();
  EXPECT_EQ(files.at("tune.INI"), SampleTuneIni());
  EXPECT_EQ(files.at("tun_0_2.BIN"), AsText(Counting(20, 100)));
  EXPECT_EQ(files.at("tun_9_9.BIN"), "left alone");
}

TEST(Export, BlocksAreTheSameByOffsetAndLengthOnly) {
  AySpec tune;
  tune.author = "a";
  tune.misc = "m";
  tune.chunks = {{"shared", Counting(16, 1)}, {"other", Counting(8, 50)}, {"empty", {}}};
  tune.songs = {
      SongSpec{"one",
               0,
               0,
               0,
               0,
               0,
               {BlockSpec{0x8000, "shared"}, BlockSpec{0x9000, "shared"},
                BlockSpec{0x8000, "shared", 10}, BlockSpec{0x100, "empty"}}},
      SongSpec{"two",
               0,
               0,
               0,
               0,
               0,
               {BlockSpec{0x4000, "other"}, BlockSpec{0xA000, "shared"}, BlockSpec{0x200, "empty"},
                BlockSpec{0x300, "other", 0}}},
  };
  ScratchFolder folder;
  folder.Write("x.ay", LayOutAy(tune).Build());
  ASSERT_EQ(folder.Run("x.ay").status, 0);
  const auto files = folder.Files();
  const std::string ini = files.at("x.INI");
  // Same offset and length, whatever the load address: one file, first name.
  EXPECT_NE(ini.find("CodeStartAddr2=36864\r\nCodeName2=x_0_1.BIN\r\n"), std::string::npos);
  EXPECT_NE(ini.find("CodeStartAddr2=40960\r\nCodeName2=x_0_1.BIN\r\n"), std::string::npos);
  // Same offset, shorter length: a file of its own holding the start.
  EXPECT_NE(ini.find("CodeName3=x_0_3.BIN\r\n"), std::string::npos);
  EXPECT_EQ(files.at("x_0_3.BIN"), AsText(Counting(10, 1)));
  // Empty blocks: one at the end of "empty" reused; one at another offset new.
  EXPECT_EQ(files.at("x_0_4.BIN"), "");
  EXPECT_NE(ini.find("CodeName3=x_0_4.BIN\r\n"), std::string::npos);
  EXPECT_EQ(files.at("x_1_4.BIN"), "");
  EXPECT_EQ(files.at("x_1_1.BIN"), AsText(Counting(8, 50)));
  const std::set<std::string> names = [&] {
    std::set<std::string> keys;
    for (const auto& [name, content] : files) keys.insert(name);
    return keys;
  }();
  EXPECT_EQ(names, (std::set<std::string>{"x.ay", "x.INI", "x_0_1.BIN", "x_0_3.BIN", "x_0_4.BIN",
                                          "x_1_1.BIN", "x_1_4.BIN"}));
}

TEST(Export, LengthCutsAndInitRule) {
  AySpec tune;
  tune.chunks = {{"big", Counting(0x4001)}, {"tail", Counting(0x80, 7)}};
  tune.songs = {
      // InitAddr 0: the first block's address, not the second's.
      SongSpec{"cuts",
               0,
               0,
               0,
               0,
               0,
               {BlockSpec{0xC000, "big", 0x4000}, BlockSpec{0x4000, "big"},
                BlockSpec{0xC000, "big", 0x4001}, BlockSpec{0xFFFF, "big", 0xFFFF}}},
      // Top of memory first (0x300 -> 0x100), then the end of the file (-> 0x80).
      SongSpec{"tail",
               0,
               1234,
               0,
               0,
               0,
               {BlockSpec{0xFF00, "tail", 0x300}, BlockSpec{0x5000, "tail", 0x8A}}},
      SongSpec{"none", 0, 0, 0, 0, 0, {}},
  };
  ScratchFolder folder;
  folder.Write("cut.ay", LayOutAy(tune).Build());
  ASSERT_EQ(folder.Run("cut.ay").status, 0);
  const auto files = folder.Files();
  const std::string ini = files.at("cut.INI");
  EXPECT_EQ(files.at("cut_0_1.BIN").size(), 0x4000u);  // ends exactly at 65536: kept
  EXPECT_EQ(files.at("cut_0_2.BIN").size(), 0x4001u);
  EXPECT_NE(ini.find("CodeName3=cut_0_1.BIN\r\n"), std::string::npos);  // cut to 0x4000
  EXPECT_EQ(files.at("cut_0_4.BIN"), AsText(Counting(1)));
  EXPECT_EQ(files.at("cut_1_1.BIN"), AsText(Counting(0x80, 7)));
  EXPECT_NE(ini.find("CodeName2=cut_1_1.BIN\r\n"), std::string::npos);  // 0x8A cut to 0x80
  EXPECT_NE(ini.find("SongName=\"cuts\"\r\nStack=0\r\nAReg=0\r\nLowReg=0\r\nJpAddr=49152\r\n"),
            std::string::npos);
  EXPECT_NE(ini.find("JpAddr=1234\r\n"), std::string::npos);
  EXPECT_NE(
      ini.find("SongName=\"none\"\r\nStack=0\r\nAReg=0\r\nLowReg=0\r\nJpAddr=0\r\nIntAddr=0\r\n"),
      std::string::npos);
  // A song without blocks ends its group with its interrupt address line.
  EXPECT_TRUE(ini.ends_with("JpAddr=0\r\nIntAddr=0\r\n"));
}

TEST(Export, BlockStartingAtTheEndOfTheFileIsEmpty) {
  AySpec tune;
  tune.chunks = {{"data", Counting(4)}};
  tune.songs = {
      SongSpec{"s", 0, 0, 0, 0, 0, {BlockSpec{0x8000, "data"}, BlockSpec{0x9000, "data"}}}};
  ByteLayout layout = LayOutAy(tune);
  layout.PointAt("BlockDataRef0.2", "end");
  ScratchFolder folder;
  folder.Write("e.ay", layout.Build());
  ASSERT_EQ(folder.Run("e.ay").status, 0);
  EXPECT_EQ(folder.Files().at("e_0_2.BIN"), "");
}

TEST(Export, DummyStandsOnlyForTwentySevenInEntryAddresses) {
  AySpec tune;
  tune.chunks = {{"c", Counting(3)}};
  tune.first_song = 255;
  tune.songs = {SongSpec{"q\"uo;te\r\n", 27, 27, 27, 255, 255, {BlockSpec{27, "c"}}},
                SongSpec{"", 65535, 283, 65535, 0, 0, {BlockSpec{65535, "c"}}}};
  tune.author = "\"";
  ScratchFolder folder;
  folder.Write("d.ay", LayOutAy(tune).Build());
  ASSERT_EQ(folder.Run("d.ay").status, 0);
  EXPECT_EQ(folder.Files().at("d.INI"), CrLf({";Tolvane INI file for d.ay",
                                              "Creator=\"\"\"",
                                              "Misc=\"\"",
                                              "StartSong=255",
                                              "AllCodeLength=AUTO",
                                              "NewSong=This",
                                              "SongName=\"q\"uo;te\r\n\"",
                                              "Stack=27",
                                              "AReg=255",
                                              "LowReg=255",
                                              "JpAddr=DUMMY",
                                              "IntAddr=DUMMY",
                                              "CodeStartAddr1=27",
                                              "CodeName1=d_0_1.BIN",
                                              "NewSong=This",
                                              "SongName=\"\"",
                                              "Stack=65535",
                                              "AReg=0",
                                              "LowReg=0",
                                              "JpAddr=283",
                                              "IntAddr=65535",
                                              "CodeStartAddr1=65535",
                                              "CodeName1=d_1_1.BIN"}));
}

TEST(Export, TwoHundredFiftySixSongs) {
  AySpec tune;
  tune.author = "many";
  tune.chunks = {{"c", Counting(5)}};
  for (int i = 0; i < 256; ++i) {
    tune.songs.push_back(
        SongSpec{"s" + std::to_string(i), 0, 0, 0, 0, 0, {BlockSpec{0x8000, "c"}}});
  }
  ScratchFolder folder;
  folder.Write("many.ay", LayOutAy(tune).Build());
  const RunResult run = folder.Run("many.ay");
  ASSERT_EQ(run.status, 0);
  std::vector<std::string> lines = {"Author: many", "Misc: "};
  for (int i = 0; i < 256; ++i) {
    lines.push_back("Song #" + std::to_string(i) + " Title: s" + std::to_string(i));
  }
  EXPECT_EQ(run.console, CrLf(lines));
  const auto files = folder.Files();
  EXPECT_EQ(files.size(), 3u);  // input, INI, one shared BIN file
  const std::string ini = files.at("many.INI");
  std::size_t groups = 0;
  for (std::size_t at = ini.find("NewSong=This"); at != std::string::npos;
       at = ini.find("NewSong=This", at + 1)) {
    ++groups;
  }
  EXPECT_EQ(groups, 256u);
  EXPECT_NE(ini.find("SongName=\"s255\"\r\nStack=0\r\nAReg=0\r\nLowReg=0\r\nJpAddr=32768\r\n"
                     "IntAddr=0\r\nCodeStartAddr1=32768\r\nCodeName1=man_0_1.BIN\r\n"),
            std::string::npos);
}

TEST(Export, SongsMaySharePointsAndTexts) {
  AySpec tune = SampleTune();
  ByteLayout layout = LayOutAy(tune);
  layout.PointAt("NameRef1", "author").PointAt("PointsRef1", "points0").Set("FirstSong", 7);
  ScratchFolder folder;
  folder.Write("tune.ay", layout.Build());
  const RunResult run = folder.Run("tune.ay");
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(run.console.find("Song #1 Title: Demo Group\r\n"), std::string::npos);
  const std::string ini = folder.Files().at("tune.INI");
  EXPECT_NE(ini.find("StartSong=7\r\n"), std::string::npos);
  EXPECT_NE(ini.find("SongName=\"Demo Group\"\r\nStack=65280\r\nAReg=1\r\nLowReg=2\r\n"
                     "JpAddr=32768\r\nIntAddr=DUMMY\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace fixture
