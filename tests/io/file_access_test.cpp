// The file access's own rules, where the program never breaks them: each
// misuse or refused request ends the process with its code.
#include "io/file_access.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace io {
namespace {

namespace fs = std::filesystem;

class FileAccess : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = fs::temp_directory_path() / ("tunsnip-io-" + std::to_string(getpid()));
    std::ofstream(path_, std::ios::binary) << "0123456789";
  }
  void TearDown() override { fs::remove(path_); }

  fs::path path_;
  std::array<std::uint8_t, 16> bytes_{};
};

using ::testing::ExitedWithCode;

TEST_F(FileAccess, CountsOfZeroDoNothing) {
  ByteFile input;
  OpenInput(input, path_.string());
  ReadExact(input, bytes_, 0);
  SeekTo(input, 1000);
  EXPECT_EQ(FilePosition(input), 1000);
  ReadExact(input, bytes_, 0);
  EXPECT_EQ(FileLength(input), 10);
  CloseFile(input);
}

TEST_F(FileAccess, ReadsExactCounts) {
  ByteFile input;
  OpenInput(input, path_.string());
  SeekTo(input, 4);
  ReadExact(input, bytes_, 3);
  EXPECT_EQ(bytes_[0], '4');
  EXPECT_EQ(bytes_[2], '6');
  EXPECT_EQ(FilePosition(input), 7);
  EXPECT_EXIT(ReadExact(input, bytes_, 4), ExitedWithCode(kShortRead), "");
  CloseFile(input);
}

TEST_F(FileAccess, MisuseAndRefusalsEndTheRun) {
  ByteFile input;
  OpenInput(input, path_.string());
  EXPECT_EXIT(WriteExact(input, bytes_), ExitedWithCode(kNotOpen), "");
  // Too little room: fails before asking the system, whatever the file holds.
  EXPECT_EXIT(ReadExact(input, std::span(bytes_).first(2), 3), ExitedWithCode(kShortRead), "");
  EXPECT_EXIT(SeekTo(input, -1), ExitedWithCode(EINVAL), "");
  CloseFile(input);
  EXPECT_EXIT(ReadExact(input, bytes_, 1), ExitedWithCode(kNotOpen), "");
  EXPECT_EXIT(CloseFile(input), ExitedWithCode(kNotOpen), "");
  TextFile text;
  EXPECT_EXIT(WriteLine(text, "x"), ExitedWithCode(kNotOpen), "");
  EXPECT_EXIT(OpenInput(input, (path_ / "below").string()), ExitedWithCode(ENOTDIR), "");
}

}  // namespace
}  // namespace io
