// Real files taken apart, built again from the INI and BIN files, and taken
// apart once more: the second run must say exactly what the first said.
#include <gtest/gtest.h>

#include "support/reassembler.h"
#include "support/scenes.h"

namespace fixture {
namespace {

namespace fs = std::filesystem;

// Everything after the INI file's first line, which names the argument.
std::string WithoutFirstLine(const std::string& ini) { return ini.substr(ini.find("\r\n") + 2); }

// Empty when the round trip holds, else what differs; nothing when the file
// does not take part (its first extraction fails).
std::optional<std::string> RoundTrip(const fs::path& original) {
  const std::string name = original.filename().string();
  const std::string ini = name.substr(0, name.rfind('.')) + ".INI";
  ScratchFolder first;
  fs::copy_file(original, first.work() / name);
  if (first.Run(name).status != 0) return std::nullopt;

  std::string why;
  const std::optional<AySpec> tune = ReassembleAy(first.work(), ini, why);
  if (!tune) return "INI does not parse at " + why;
  Bytes rebuilt;
  try {
    rebuilt = BuildReassembled(*tune);
  } catch (const std::out_of_range& error) {
    return std::string("cannot lay out: ") + error.what();
  }
  ScratchFolder second;
  second.Write(name, rebuilt);
  const RunResult run = second.Run(name);
  if (run.status != 0) return "rebuilt file fails with " + std::to_string(run.status);

  auto before = first.Files();
  auto after = second.Files();
  if (WithoutFirstLine(before.at(ini)) != WithoutFirstLine(after.at(ini))) return "INI differs";
  before.erase(name);
  after.erase(name);
  before.erase(ini);
  after.erase(ini);
  if (before != after) return "BIN files differ";
  return "";
}

TEST(RoundTrip, RebuiltFilesTakeApartTheSame) {
  EXPECT_EQ(RoundTrip(fs::path(TUNSNIP_DEMO_AY)), "");
}

TEST(RoundTrip, EveryRealFile) {
  const fs::path corpus = TUNSNIP_CORPUS_DIR;
  if (!fs::is_directory(corpus)) GTEST_SKIP() << "no AY corpus at " << corpus;
  int files = 0;
  int taking_part = 0;
  int held = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(corpus)) {
    ++files;
    const std::optional<std::string> failure = RoundTrip(entry.path());
    if (!failure) continue;
    ++taking_part;
    if (failure->empty()) {
      ++held;
    } else {
      ADD_FAILURE() << entry.path().filename().string() << ": " << *failure;
    }
  }
  EXPECT_GT(taking_part, 0);
  std::cout << "[ corpus   ] round trip held for " << held << " of " << taking_part
            << " files extracted completely (" << files << " files in all)\n";
}

}  // namespace
}  // namespace fixture
