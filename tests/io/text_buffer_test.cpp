#include "io/text_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace io {
namespace {

struct PieceRecorder {
  std::vector<std::string> pieces;
  FailureCode fail_with = kNoFailure;
  FailureCode operator()(std::span<const char> piece) {
    pieces.emplace_back(piece.begin(), piece.end());
    return fail_with;
  }
};

TEST(TextBuffer, ReleasesOnlyWholePieces) {
  TextBuffer buffer;
  PieceRecorder recorder;
  const std::string text(300, 'x');
  std::string sent;
  for (char c : text) {
    sent.push_back(c);
    EXPECT_EQ(buffer.Append(std::string(1, c), std::ref(recorder)), kNoFailure);
  }
  ASSERT_EQ(recorder.pieces.size(), 2u);
  EXPECT_EQ(recorder.pieces[0], sent.substr(0, 128));
  EXPECT_EQ(recorder.pieces[1], sent.substr(128, 128));
  EXPECT_EQ(std::string(buffer.Pending().begin(), buffer.Pending().end()), sent.substr(256));
}

TEST(TextBuffer, PieceFillsInTheMiddleOfAText) {
  TextBuffer buffer;
  PieceRecorder recorder;
  buffer.Append(std::string(100, 'a'), std::ref(recorder));
  buffer.Append(std::string(60, 'b'), std::ref(recorder));
  ASSERT_EQ(recorder.pieces.size(), 1u);
  EXPECT_EQ(recorder.pieces[0], std::string(100, 'a') + std::string(28, 'b'));
  EXPECT_EQ(buffer.Pending().size(), 32u);
}

TEST(TextBuffer, FailedPieceDropsItsBytesAndTheRestOfTheText) {
  TextBuffer buffer;
  PieceRecorder recorder;
  recorder.fail_with = 28;
  EXPECT_EQ(buffer.Append(std::string(200, 'c'), std::ref(recorder)), 28u);
  EXPECT_EQ(recorder.pieces.size(), 1u);
  EXPECT_TRUE(buffer.Pending().empty());
}

}  // namespace
}  // namespace io
