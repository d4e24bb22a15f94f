#include "driver/console_text.h"

#include <gtest/gtest.h>

namespace driver {
namespace {

TEST(ConsoleText, TerminalSeesNoControlBytes) {
  const std::string text = "a\x1b[2Jb\x01\x1f\x7f\x80\xff \"q\"";
  EXPECT_EQ(ShownOnConsole(text, true), "a?[2Jb???\x80\xff \"q\"");
  EXPECT_EQ(ShownOnConsole(text, false), text);
}

}  // namespace
}  // namespace driver
