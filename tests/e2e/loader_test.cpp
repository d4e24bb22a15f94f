// What the loader accepts, rejects and fails on.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "support/scenes.h"

namespace fixture {
namespace {

TEST(Loader, RejectsOtherFilesQuietlyAndCreatesNothing) {
  struct Case {
    const char* start;
    const char* message;
  };
  for (const Case& c :
       {Case{"zxayEMUL", "Error: Not .AY file"}, Case{"PK\x03\x04zzzz", "Error: Not .AY file"},
        Case{"ZXAYAMAD", "Error: Not Z80 emulation .AY file"},
        Case{"ZXAYemul", "Error: Not Z80 emulation .AY file"}}) {
    Bytes input = LayOutAy(SampleTune()).Build();
    std::copy(c.start, c.start + 8, input.begin());
    ScratchFolder folder;
    folder.Write("tune.ay", input);
    folder.Write("tune.INI", std::string("keep me"));
    const RunResult run = folder.Run("tune.ay");
    EXPECT_EQ(run.status, 0) << c.start;
    EXPECT_EQ(run.console, CrLf({c.message})) << c.start;
    const std::map<std::string, std::string> expected = {{"tune.ay", AsText(input)},
                                                         {"tune.INI", "keep me"}};
    EXPECT_EQ(folder.Files(), expected) << c.start;
  }
}

TEST(Loader, MissingFileEndsWithItsErrorNumber) {
  ScratchFolder folder;
  const RunResult run = folder.Run("tune.ay");
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(EndsWithFailureLine(run.console, 2)) << run.console;
  EXPECT_EQ(BeforeFailureLine(run.console), "");
  EXPECT_TRUE(folder.Files().empty());
}

TEST(Loader, InputThatIsAFolderEndsWithItsErrorNumber) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder.work() / "tune.ay");
  const RunResult run = folder.Run("tune.ay");
  EXPECT_EQ(run.status, 21);  // opened fine, the first read is refused
  EXPECT_TRUE(EndsWithFailureLine(run.console, 21)) << run.console;
}

// Each case bends one thing of the sample tune; all fail while loading, before
// the INI file exists.
TEST(Loader, FailsWhereThePointersLead) {
  struct Case {
    const char* what;
    std::function<void(ByteLayout&)> bend;
    std::optional<std::size_t> keep;  // bytes of the built file kept, when cut
    unsigned code;
  };
  const std::vector<Case> cases = {
      {"empty file", [](ByteLayout&) {}, 0u, 100},
      {"header cut short", [](ByteLayout&) {}, 19u, 100},
      {"author before the start", [](ByteLayout& l) { l.Set("AuthorRef", -13); }, std::nullopt, 22},
      {"misc far before the start", [](ByteLayout& l) { l.Set("MiscRef", -32768); }, std::nullopt,
       22},
      {"song table before the start", [](ByteLayout& l) { l.Set("SongTableRef", -19); },
       std::nullopt, 22},
      {"name before the start", [](ByteLayout& l) { l.Set("NameRef1", -30000); }, std::nullopt, 22},
      {"song data before the start", [](ByteLayout& l) { l.Set("SongDataRef0", -100); },
       std::nullopt, 22},
      {"points before the start", [](ByteLayout& l) { l.Set("PointsRef0", -200); }, std::nullopt,
       22},
      {"block list before the start", [](ByteLayout& l) { l.Set("BlockListRef1", -300); },
       std::nullopt, 22},
      {"author at the end", [](ByteLayout& l) { l.PointAt("AuthorRef", "end"); }, std::nullopt,
       100},
      {"song table past the end", [](ByteLayout& l) { l.Set("SongTableRef", 32767); }, std::nullopt,
       100},
      {"points past the end", [](ByteLayout& l) { l.Set("PointsRef1", 20000); }, std::nullopt, 100},
  };
  for (const Case& c : cases) {
    ByteLayout layout = LayOutAy(SampleTune());
    c.bend(layout);
    Bytes input = layout.Build();
    if (c.keep) input.resize(*c.keep);
    ScratchFolder folder;
    folder.Write("tune.ay", input);
    const RunResult run = folder.Run("tune.ay");
    EXPECT_EQ(run.status, static_cast<int>(c.code)) << c.what;
    EXPECT_TRUE(EndsWithFailureLine(run.console, c.code)) << c.what << "\n" << run.console;
    EXPECT_EQ(BeforeFailureLine(run.console), "") << c.what;
    EXPECT_EQ(folder.Files().size(), 1u) << c.what;
  }
}

TEST(Loader, TextWithoutTerminatorRunsIntoTheEndOfTheFile) {
  // The last song's name is the last thing in the file; drop its 0 byte.
  AySpec tune = SampleTune();
  tune.chunks.clear();
  for (SongSpec& song : tune.songs) song.blocks.clear();
  Bytes input = LayOutAy(tune).Build();
  ASSERT_EQ(input.back(), 0);
  input.pop_back();
  ScratchFolder folder;
  folder.Write("tune.ay", input);
  const RunResult run = folder.Run("tune.ay");
  EXPECT_EQ(run.status, 100);
  EXPECT_TRUE(EndsWithFailureLine(run.console, 100)) << run.console;
  EXPECT_EQ(folder.Files().size(), 1u);
}

TEST(Loader, PointerOfZeroDesignatesItsOwnField) {
  AySpec tune = SampleTune();
  ByteLayout layout = LayOutAy(tune);
  // A block list pointer of 0 reads its own two bytes (0, 0): no blocks. The
  // field must hold 0 for that, so the song's list really is empty.
  layout.Set("BlockListRef1", 0);
  ScratchFolder folder;
  folder.Write("tune.ay", layout.Build());
  ASSERT_EQ(folder.Run("tune.ay").status, 0);
  const std::string ini = folder.Files().at("tune.INI");
  EXPECT_TRUE(
      ini.ends_with("SongName=\"Main theme\"\r\nStack=65280\r\nAReg=1\r\nLowReg=2\r\n"
                    "JpAddr=32768\r\nIntAddr=0\r\n"))
      << ini;
}

TEST(Loader, TextBytesAreKeptUnchanged) {
  AySpec tune = SampleTune();
  tune.author = "\x80\xff\x01\t\x1b";
  tune.songs[0].name = "\xe9t\xe9";
  ScratchFolder folder;
  folder.Write("tune.ay", LayOutAy(tune).Build());
  const RunResult run = folder.Run("tune.ay");
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.console.substr(0, 15), "Author: \x80\xff\x01\t\x1b\r\n");
  EXPECT_NE(run.console.find("Song #0 Title: \xe9t\xe9\r\n"), std::string::npos);
  EXPECT_NE(folder.Files().at("tune.INI").find("Creator=\"\x80\xff\x01\t\x1b\"\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace fixture
