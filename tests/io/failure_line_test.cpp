#include "io/failure_line.h"

#include <gtest/gtest.h>

namespace io {
namespace {

TEST(FailureLine, CodeEndsInColumnSeventeenPlaceFillsEight) {
  struct Case {
    std::uint32_t code;
    std::uint32_t place;
    const char* line;
  };
  for (const Case& c : {
           Case{2, 0x6B15, "Runtime error   2 at 00006B15"},
           Case{28, 0, "Runtime error  28 at 00000000"},
           Case{100, 0xABCDEF12, "Runtime error 100 at ABCDEF12"},
           Case{1234, 0x1F, "Runtime error1234 at 0000001F"},
           Case{123456, 0xFFFFFFFF, "Runtime err123456 at FFFFFFFF"},
           Case{4294967295, 1, "Runtime4294967295 at 00000001"},
       }) {
    EXPECT_EQ(FormatFailureLine(c.code, c.place), c.line) << c.code;
  }
}

}  // namespace
}  // namespace io
