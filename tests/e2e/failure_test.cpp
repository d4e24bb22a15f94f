// A failing file or console operation ends the run at once: the failure line
// last on the console, the code as exit status, and what was done before left
// as it stands.
#include <gtest/gtest.h>

#include <functional>

#include "support/scenes.h"

namespace fixture {
namespace {

namespace fs = std::filesystem;

const std::string kSampleConsole = CrLf(
    {"Author: Demo Group", "Misc: Test tune", "Song #0 Title: Intro", "Song #1 Title: Main theme"});

// The sample tune with song 1's own block moved before the start of the file:
// the run fails at that block's seek, after 272 bytes of INI text.
Bytes SampleFailingInSongOne() {
  ByteLayout layout = LayOutAy(SampleTune());
  layout.Set("BlockDataRef1.2", -30000);
  return layout.Build();
}

TEST(Failure, LeavesWholeIniPiecesAndFinishedBinFiles) {
  ScratchFolder folder;
  folder.Write("tune.ay", SampleFailingInSongOne());
  const RunResult run = folder.Run("tune.ay");
  EXPECT_EQ(run.status, 22);
  EXPECT_EQ(BeforeFailureLine(run.console), kSampleConsole);
  EXPECT_TRUE(EndsWithFailureLine(run.console, 22)) << run.console;
  const auto files = folder.Files();
  // The text produced before the failed seek, cut to whole 128-byte pieces.
  const std::string ini_so_far = SampleTuneIni().substr(0, SampleTuneIni().find("CodeName2=tun_1"));
  ASSERT_GE(ini_so_far.size(), 256u);
  EXPECT_EQ(files.at("tune.INI"), ini_so_far.substr(0, ini_so_far.size() / 128 * 128));
  EXPECT_EQ(files.at("tun_0_1.BIN"), AsText(Counting(40, 1)));
  EXPECT_EQ(files.at("tun_0_2.BIN"), AsText(Counting(20, 100)));
  EXPECT_FALSE(files.count("tun_1_2.BIN"));
}

TEST(Failure, BetweenOneAndTwoPiecesLeavesExactly128Bytes) {
  ByteLayout layout = LayOutAy(SampleTune());
  layout.Set("BlockDataRef0.1", -30000);
  const std::string produced = SampleTuneIni().substr(0, SampleTuneIni().find("CodeName1=tun_0_1"));
  ASSERT_GE(produced.size(), 128u);
  ASSERT_LT(produced.size(), 256u);
  ScratchFolder folder;
  folder.Write("tune.ay", layout.Build());
  const RunResult run = folder.Run("tune.ay");
  EXPECT_EQ(run.status, 22);
  EXPECT_EQ(folder.Files().at("tune.INI"), SampleTuneIni().substr(0, 128));
}

TEST(Failure, BlockPastTheEndReadsNothingAndWritesNoFile) {
  // A block whose bytes would start past the end of the file claims nearly the
  // whole address space from 0xFFF0 up; its read must fail before storing.
  AySpec tune = SampleTune();
  tune.songs[0].blocks[1].address = 0xFFF0;
  ByteLayout layout = LayOutAy(tune);
  layout.Set("BlockDataRef0.2", 32767);
  ScratchFolder folder;
  folder.Write("tune.ay", layout.Build());
  const RunResult run = folder.Run("tune.ay");
  EXPECT_EQ(run.status, 100);
  EXPECT_TRUE(EndsWithFailureLine(run.console, 100)) << run.console;
  const auto files = folder.Files();
  EXPECT_TRUE(files.count("tun_0_1.BIN"));
  EXPECT_FALSE(files.count("tun_0_2.BIN"));
}

TEST(Failure, OutputThatCannotBeWritten) {
  struct Case {
    const char* what;
    std::function<void(const ScratchFolder&)> prepare;
    unsigned code;
    const char* console;       // the console before the failure line
    const char* missing_file;  // an output that must not exist as a file
  };
  const std::vector<Case> cases = {
      {"INI on /dev/full",
       [](const ScratchFolder& f) { fs::create_symlink("/dev/full", f.work() / "tune.INI"); }, 28,
       "Author: Demo Group\r\nMisc: Test tune\r\n", "tun_0_1.BIN"},
      {"BIN on /dev/full",
       [](const ScratchFolder& f) { fs::create_symlink("/dev/full", f.work() / "tun_0_2.BIN"); },
       28, "Author: Demo Group\r\nMisc: Test tune\r\nSong #0 Title: Intro\r\n", "tun_1_2.BIN"},
      {"folder in the way of the INI",
       [](const ScratchFolder& f) { fs::create_directory(f.work() / "tune.INI"); }, 21, "",
       "tun_0_1.BIN"},
      {"folder in the way of a BIN",
       [](const ScratchFolder& f) { fs::create_directory(f.work() / "tun_1_2.BIN"); }, 21,
       "Author: Demo Group\r\nMisc: Test tune\r\nSong #0 Title: Intro\r\nSong #1 Title: Main "
       "theme\r\n",
       "tun_1_2.BIN"},
      {"BIN through a link into a missing folder",
       [](const ScratchFolder& f) {
         fs::create_symlink("no/such/folder", f.work() / "tun_0_1.BIN");
       },
       2, "Author: Demo Group\r\nMisc: Test tune\r\nSong #0 Title: Intro\r\n", "tun_0_2.BIN"},
  };
  for (const Case& c : cases) {
    ScratchFolder folder;
    folder.Write("tune.ay", LayOutAy(SampleTune()).Build());
    c.prepare(folder);
    const RunResult run = folder.Run("tune.ay");
    EXPECT_EQ(run.status, static_cast<int>(c.code)) << c.what;
    EXPECT_EQ(BeforeFailureLine(run.console), c.console) << c.what;
    EXPECT_TRUE(EndsWithFailureLine(run.console, c.code)) << c.what << "\n" << run.console;
    EXPECT_FALSE(folder.Files().count(c.missing_file)) << c.what;
  }
}

TEST(Failure, ShortWriteWithoutAnErrorIs101) {
  AySpec tune = SampleTune();
  tune.chunks[0].second = Counting(250);
  ScratchFolder folder;
  folder.Write("tune.ay", LayOutAy(tune).Build());
  RunSetup setup{{"tune.ay"}, Console::kDevNull};
  setup.file_size_limit = 200;  // the INI stays below it; the first BIN does not
  const RunResult run = folder.Run(setup);
  EXPECT_EQ(run.status, 101);
  EXPECT_EQ(folder.Files().at("tun_0_1.BIN"), AsText(Counting(200)));
}

TEST(Failure, WriteRefusedAtTheSizeLimit) {
  ScratchFolder folder;
  folder.Write("tune.ay", LayOutAy(SampleTune()).Build());
  RunSetup setup{{"tune.ay"}, Console::kDevNull};
  setup.file_size_limit = 128;  // the first piece fits exactly, the next is refused
  const RunResult run = folder.Run(setup);
  EXPECT_EQ(run.status, 27);
  EXPECT_EQ(folder.Files().at("tune.INI"), SampleTuneIni().substr(0, 128));
}

TEST(Failure, ConsoleFaults) {
  struct Case {
    const char* what;
    Console console;
    int status;
  };
  for (const Case& c : {Case{"closed standard output", Console::kClosed, 103},
                        Case{"console that is full", Console::kDevFull, 28}}) {
    ScratchFolder folder;
    folder.Write("tune.ay", LayOutAy(SampleTune()).Build());
    const RunResult run = folder.Run(RunSetup{{"tune.ay"}, c.console});
    EXPECT_EQ(run.signal, 0) << c.what;
    EXPECT_EQ(run.status, c.status) << c.what;
    // The INI file was created before the first console line, and nothing more.
    const auto files = folder.Files();
    EXPECT_EQ(files.at("tune.INI"), "") << c.what;
    EXPECT_EQ(files.size(), 2u) << c.what;
  }
}

TEST(Failure, LostConsoleTextNeverEndsWithZero) {
  // Usage lines and a rejection write only to the console; losing them is a failure too.
  struct Case {
    Console console;
    int status;
  };
  ScratchFolder folder;
  for (const Case& c :
       {Case{Console::kDevFull, 28}, Case{Console::kBrokenPipe, 32}, Case{Console::kClosed, 103}}) {
    const RunResult run = folder.Run(RunSetup{{}, c.console});
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.signal, 0);
  }
  // A pipe is no character device: the console text waits in the buffer, the
  // run completes, and only the final flush finds the reader gone.
  folder.Write("tune.ay", LayOutAy(SampleTune()).Build());
  const RunResult run = folder.Run(RunSetup{{"tune.ay"}, Console::kBrokenPipe});
  EXPECT_EQ(run.status, 32);
  EXPECT_EQ(run.signal, 0);
  EXPECT_EQ(folder.Files().at("tune.INI"), SampleTuneIni());
}

TEST(Failure, RedirectedConsoleGetsEveryLineInOrder) {
  ScratchFolder folder;
  folder.Write("tune.ay", SampleFailingInSongOne());
  const RunResult run = folder.Run(RunSetup{{"tune.ay"}, Console::kFile});
  EXPECT_EQ(run.console.substr(0, kSampleConsole.size()), kSampleConsole);
  EXPECT_EQ(run.console.size(), kSampleConsole.size() + 31);
}

TEST(Failure, EachCheckHasItsOwnStablePlace) {
  const auto place_of = [](const std::function<void(ByteLayout&)>& bend, bool write_input) {
    ScratchFolder folder;
    ByteLayout layout = LayOutAy(SampleTune());
    bend(layout);
    if (write_input) folder.Write("tune.ay", layout.Build());
    const std::string console = folder.Run("tune.ay").console;
    return console.substr(console.size() - 10, 8);
  };
  const auto none = [](ByteLayout&) {};
  const std::string open = place_of(none, false);
  const std::string author_seek = place_of([](ByteLayout& l) { l.Set("AuthorRef", -13); }, true);
  const std::string block_seek =
      place_of([](ByteLayout& l) { l.Set("BlockDataRef1.2", -30000); }, true);
  EXPECT_EQ(open, place_of(none, false));
  EXPECT_NE(open, author_seek);
  EXPECT_NE(author_seek, block_seek);
  EXPECT_NE(open, block_seek);
}

TEST(Failure, TerminalShowsControlBytesAsQuestionMarks) {
  AySpec tune = SampleTune();
  tune.author = "Evil\x1b]0;owned\x07";
  tune.songs[1].name = "a\rb";
  ScratchFolder folder;
  folder.Write("tune.ay", LayOutAy(tune).Build());
  const RunResult run = folder.Run(RunSetup{{"tune.ay"}, Console::kTerminal});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.console, CrLf({"Author: Evil?]0;owned?", "Misc: Test tune", "Song #0 Title: Intro",
                               "Song #1 Title: a?b"}));
  EXPECT_NE(folder.Files().at("tune.INI").find("Creator=\"Evil\x1b]0;owned\x07\"\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace fixture
