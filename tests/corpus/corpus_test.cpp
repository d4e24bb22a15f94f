// Real rips from public archives: every run ends with status 0 or a failure
// line, never a crash, and every BIN file the INI names exists.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/scenes.h"

namespace fixture {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> CodeNames(const std::string& ini) {
  std::vector<std::string> names;
  std::istringstream lines(ini);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("CodeName", 0) != 0) continue;
    const std::size_t equals = line.find('=');
    names.push_back(line.substr(equals + 1, line.size() - equals - 2));  // without CR
  }
  return names;
}

TEST(Corpus, EveryRealFileEndsCleanly) {
  const fs::path corpus = TUNSNIP_CORPUS_DIR;
  if (!fs::is_directory(corpus)) GTEST_SKIP() << "no AY corpus at " << corpus;
  int files = 0;
  int complete = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(corpus)) {
    if (!entry.is_regular_file()) continue;
    ++files;
    const std::string name = entry.path().filename().string();
    ScratchFolder folder;
    fs::copy_file(entry.path(), folder.work() / name);
    const RunResult run = folder.Run(name);
    ASSERT_EQ(run.signal, 0) << name;
    if (run.status != 0) {
      EXPECT_TRUE(EndsWithFailureLine(run.console, static_cast<unsigned>(run.status)))
          << name << "\n"
          << run.console;
      continue;
    }
    ++complete;
    const std::string base = name.substr(0, name.rfind('.'));
    const auto outputs = folder.Files();
    ASSERT_TRUE(outputs.count(base + ".INI")) << name;
    for (const std::string& bin : CodeNames(outputs.at(base + ".INI"))) {
      EXPECT_TRUE(outputs.count(bin)) << name << ": " << bin;
    }
    EXPECT_EQ(ReadFile(entry.path()), outputs.at(name)) << name << " changed";
  }
  EXPECT_GT(files, 0);
  std::cout << "[ corpus   ] " << complete << " of " << files << " files extracted completely\n";
}

}  // namespace
}  // namespace fixture
