// No output may destroy a file the run holds open: the AY file, the INI file,
// or the regular file that standard output writes to. Such a name is refused
// with EBUSY before anything is created or truncated.
#include <gtest/gtest.h>

#include "support/scenes.h"

namespace fixture {
namespace {

namespace fs = std::filesystem;

constexpr int kBusy = 16;

TEST(SameFile, InputIsNeverAnOutput) {
  struct Case {
    const char* what;
    const char* input;
    const char* argument;
    std::function<void(const ScratchFolder&)> prepare;
    const char* console;  // before the failure line
  };
  const std::vector<Case> cases = {
      {"argument ending in .INI", "tune.INI", "tune.INI", [](const ScratchFolder&) {}, ""},
      {"argument named like its first BIN file", "tun_0_1.BIN", "tun_0_1.BIN",
       [](const ScratchFolder&) {},
       "Author: Demo Group\r\nMisc: Test tune\r\nSong #0 Title: Intro\r\n"},
      {"INI name is a link to the input", "tune.ay", "tune.ay",
       [](const ScratchFolder& f) { fs::create_symlink("tune.ay", f.work() / "tune.INI"); }, ""},
      {"BIN name is a link to the input", "tune.ay", "tune.ay",
       [](const ScratchFolder& f) { fs::create_symlink("tune.ay", f.work() / "tun_0_2.BIN"); },
       "Author: Demo Group\r\nMisc: Test tune\r\nSong #0 Title: Intro\r\n"},
      {"BIN name is a hard link to the INI", "tune.ay", "tune.ay",
       [](const ScratchFolder& f) {
         f.Write("tune.INI", std::string());
         fs::create_hard_link(f.work() / "tune.INI", f.work() / "tun_0_1.BIN");
       },
       "Author: Demo Group\r\nMisc: Test tune\r\nSong #0 Title: Intro\r\n"},
  };
  for (const Case& c : cases) {
    ScratchFolder folder;
    const Bytes input = LayOutAy(SampleTune()).Build();
    folder.Write(c.input, input);
    c.prepare(folder);
    const RunResult run = folder.Run(c.argument);
    EXPECT_EQ(run.status, kBusy) << c.what;
    EXPECT_EQ(BeforeFailureLine(run.console), c.console) << c.what;
    EXPECT_TRUE(EndsWithFailureLine(run.console, kBusy)) << c.what << "\n" << run.console;
    EXPECT_EQ(ReadFile(folder.work() / c.input), AsText(input)) << c.what;
  }
}

TEST(SameFile, ConsoleRedirectedIntoTheIni) {
  ScratchFolder folder;
  const Bytes input = LayOutAy(SampleTune()).Build();
  folder.Write("tune.ay", input);
  RunSetup setup{{"tune.ay"}};
  setup.console_path = folder.work() / "tune.INI";
  const RunResult run = folder.Run(setup);
  EXPECT_EQ(run.status, kBusy);
  EXPECT_TRUE(EndsWithFailureLine(run.console, kBusy)) << run.console;
  EXPECT_EQ(BeforeFailureLine(run.console), "");
  EXPECT_EQ(folder.Files().size(), 2u);  // the input and the console's file
}

TEST(SameFile, ConsoleOnACharacterDeviceIsNoObstacle) {
  // /dev/null as console and as INI name is fine: writing there destroys nothing.
  ScratchFolder folder;
  folder.Write("tune.ay", LayOutAy(SampleTune()).Build());
  fs::create_symlink("/dev/null", folder.work() / "tune.INI");
  const RunResult run = folder.Run(RunSetup{{"tune.ay"}, Console::kDevNull});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(folder.Files().size(), 4u);  // the input and three BIN files
}

}  // namespace
}  // namespace fixture
