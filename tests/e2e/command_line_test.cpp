// The command line: usage lines and where the output names lead.
#include <gtest/gtest.h>

#include "support/scenes.h"

namespace fixture {
namespace {

const std::string kUsage = CrLf({"    Usage:", "  tunsnip [ayfilename]"});

TEST(CommandLine, UsageLinesWithStatusZeroAndNoFile) {
  const std::vector<std::vector<std::string>> cases = {
      {}, {"my", "tune.ay"}, {"tune"}, {".ay"}, {"."}, {"tune.ay", "x.ay", "y.ay"}};
  for (const std::vector<std::string>& arguments : cases) {
    ScratchFolder folder;
    folder.Write("tune.ay", LayOutAy(SampleTune()).Build());
    const RunResult run = folder.Run(RunSetup{arguments});
    EXPECT_EQ(run.status, 0) << ::testing::PrintToString(arguments);
    EXPECT_EQ(run.console, kUsage) << ::testing::PrintToString(arguments);
    EXPECT_EQ(folder.Files().size(), 1u) << ::testing::PrintToString(arguments);
  }
}

TEST(CommandLine, OutputNamesFollowTheLastDot) {
  struct Case {
    const char* input;     // where the AY file lies, relative to the work folder
    const char* argument;  // what the program is given
    const char* ini;       // where the INI file must appear
    const char* bin;       // the first BIN file
  };
  for (const Case& c : {
           Case{"a.ay", "a.ay", "a.INI", "a_0_1.BIN"},
           Case{"tune.", "tune.", "tune.INI", "tun_0_1.BIN"},
           Case{"abc.ay", "abc.ay", "abc.INI", "abc_0_1.BIN"},
           Case{"abcd.ay", "abcd.ay", "abcd.INI", "abc_0_1.BIN"},
           Case{"a.b.ay", "a.b.ay", "a.b.INI", "a.b_0_1.BIN"},
           Case{"tune.AY", "tune.AY", "tune.INI", "tun_0_1.BIN"},
           Case{"music/tune.ay", "music/tune.ay", "music/tune.INI", "mus_0_1.BIN"},
           Case{"songs.old/tune", "songs.old/tune", "songs.INI", "son_0_1.BIN"},
           Case{"my tune.ay", "my tune.ay", "my tune.INI", "my _0_1.BIN"},
           Case{"tune.ay", "sub/../tune.ay", "sub/../tune.INI", "sub_0_1.BIN"},
       }) {
    ScratchFolder folder;
    folder.Write(c.input, LayOutAy(SampleTune()).Build());
    std::filesystem::create_directories(folder.work() / "sub");
    const RunResult run = folder.Run(c.argument);
    EXPECT_EQ(run.status, 0) << c.argument << "\n" << run.console;
    const auto files = folder.Files();
    const std::string ini_path = std::filesystem::path(c.ini).lexically_normal().string();
    ASSERT_TRUE(files.count(ini_path)) << c.argument;
    EXPECT_EQ(
        files.at(ini_path).rfind(std::string(";Tolvane INI file for ") + c.argument + "\r\n", 0),
        0u)
        << c.argument;
    EXPECT_TRUE(files.count(c.bin)) << c.argument;
    EXPECT_EQ(files.size(), 5u) << c.argument;  // input, INI and three BIN files
  }
}

TEST(CommandLine, PrefixThatLeadsUpPutsBinFilesInTheParent) {
  ScratchFolder folder;
  folder.Write("tune.ay", LayOutAy(SampleTune()).Build());
  std::filesystem::create_directories(folder.work() / "inner");
  RunSetup setup{{"../tune.ay"}};
  setup.in = "inner";
  const RunResult run = folder.Run(setup);
  EXPECT_EQ(run.status, 0) << run.console;
  const auto files = folder.Files();
  EXPECT_TRUE(files.count("tune.INI"));
  for (const char* bin : {"_0_1.BIN", "_0_2.BIN", "_1_2.BIN"}) EXPECT_TRUE(files.count(bin)) << bin;
}

TEST(CommandLine, NamesAreCutTo259Bytes) {
  // A folder of 200 characters and a file name that runs past the cut: the
  // program opens only the first 259 bytes of the argument.
  ScratchFolder folder;
  const std::string directory(200, 'd');
  const std::string kept = directory + "/" + std::string(58, 'n');  // 259 bytes
  ASSERT_EQ(kept.size(), 259u);
  const Bytes input = LayOutAy(SampleTune()).Build();
  folder.Write(kept, input);
  const std::string argument = kept + std::string(40, 'x') + ".ay";
  const RunResult run = folder.Run(argument);
  // The INI name, cut the same way, is the input itself: refused, input intact.
  EXPECT_EQ(run.status, 16) << run.console;
  EXPECT_TRUE(EndsWithFailureLine(run.console, 16)) << run.console;
  EXPECT_EQ(folder.Files().at(kept), std::string(input.begin(), input.end()));
  EXPECT_EQ(folder.Files().size(), 1u);
}

}  // namespace
}  // namespace fixture
