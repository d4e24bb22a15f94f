// Files built to cost as much as the format allows. Each run must end as the
// rules say, and its memory must stay proportional to what the file describes.
#include <gtest/gtest.h>

#include <fstream>

#include "support/scenes.h"

namespace fixture {
namespace {

// `songs` songs that all share one song record and so one block list of
// `blocks` entries. Each entry's data pointer is 0: its two bytes are the
// pointer field itself, so every block starts somewhere else and is distinct.
Bytes SharedBlockList(int songs, int blocks) {
  ByteLayout layout;
  layout.Raw("ZXAYEMUL")
      .Byte(3)
      .Byte(0)
      .Word(0)
      .RefTo("text")
      .RefTo("text")
      .Byte(static_cast<std::uint8_t>(songs - 1))
      .Byte(0)
      .RefTo("table");
  layout.Label("table");
  for (int i = 0; i < songs; ++i) layout.RefTo("text").RefTo("data");
  layout.Label("data").Raw(Bytes{0, 1, 2, 3, 0, 0, 0, 0, 0, 0}).RefTo("points").RefTo("list");
  layout.Label("points").Word(0xFF00).Word(0).Word(0x8000);
  layout.Label("text").Text("");
  layout.Label("list");
  for (int k = 0; k < blocks; ++k) layout.Word(0x8000).Word(2).Word(0);
  layout.Word(0);
  return layout.Build();
}

// Runs the file and reports its size, the status and the peak resident set.
long Measure(const char* what, const ScratchFolder& folder, const std::string& name,
             std::size_t file_size, Console console, RunResult& run) {
  const long peak = PeakRssKib(folder, RunSetup{{name}, console}, run);
  std::cout << "[ hostile  ] " << what << ": file " << file_size << " bytes, status " << run.status
            << ", peak RSS " << peak << " KiB\n";
  return peak;
}

TEST(HostileSizes, HundredThousandDistinctBlocks) {
  ScratchFolder folder;
  const Bytes input = SharedBlockList(1, 100000);
  folder.Write("big.ay", input);
  RunResult run;
  const long peak =
      Measure("100,000 distinct blocks", folder, "big.ay", input.size(), Console::kDevNull, run);
  ASSERT_EQ(run.status, 0);
  const auto files = folder.Files();
  EXPECT_EQ(files.size(), 100002u);
  EXPECT_EQ(files.at("big_0_100000.BIN"), std::string(2, '\0'));
  EXPECT_TRUE(files.at("big.INI").ends_with(
      "CodeStartAddr100000=32768\r\nCodeName100000=big_0_100000.BIN\r\n"));
  EXPECT_LT(peak, 64 * 1024);
}

TEST(HostileSizes, TwoHundredFiftySixSongsShareFiftyThousandBlocks) {
  ScratchFolder folder;
  const Bytes input = SharedBlockList(256, 50000);
  folder.Write("all.ay", input);
  RunResult run;
  const long peak = Measure("256 songs sharing 50,000 blocks", folder, "all.ay", input.size(),
                            Console::kDevNull, run);
  ASSERT_EQ(run.status, 0);
  // Songs 1 to 255 name song 0's files; no more are written.
  EXPECT_EQ(folder.Files().size() - 2, 50000u);
  std::ifstream ini(folder.work() / "all.INI", std::ios::binary);
  ini.seekg(-64, std::ios::end);
  std::string tail(64, '\0');
  ini.read(tail.data(), 64);
  EXPECT_TRUE(tail.ends_with("CodeStartAddr50000=32768\r\nCodeName50000=all_0_50000.BIN\r\n"));
  // Each song keeps block lists of its own (8 bytes a block); beyond them
  // memory does not grow with the file.
  EXPECT_LT(peak * 1024L, 256L * 50000 * 8 * 2 + 32L * 1024 * 1024);
}

TEST(HostileSizes, MegabyteTextWithoutItsEnd) {
  ByteLayout layout = LayOutAy(SampleTune());
  Bytes input = layout.Build();
  // The author text runs from its place to the end: a megabyte with no 0 byte.
  input.resize(layout.PositionOf("author"));
  input.insert(input.end(), 1 << 20, 'x');
  ScratchFolder folder;
  folder.Write("long.ay", input);
  RunResult run;
  const long peak =
      Measure("1 MiB text without its 0", folder, "long.ay", input.size(), Console::kFile, run);
  EXPECT_EQ(run.status, 100);
  EXPECT_TRUE(EndsWithFailureLine(run.console, 100)) << run.console.substr(0, 200);
  EXPECT_LT(peak, 16 * 1024);
}

}  // namespace
}  // namespace fixture
