#include <gtest/gtest.h>

#include "export/block_extraction.h"
#include "export/ini_writer.h"

namespace exporter {
namespace {

TEST(BinFileName, PlainDecimalNumbers) {
  EXPECT_EQ(BinFileName("tun", 0, 1), "tun_0_1.BIN");
  EXPECT_EQ(BinFileName("a", 255, 10000), "a_255_10000.BIN");
  EXPECT_EQ(BinFileName("../", 12, 3), "../_12_3.BIN");
}

TEST(AddressText, OnlyTwentySevenIsDummy) {
  EXPECT_EQ(AddressText(27), "DUMMY");
  for (int address : {0, 1, 26, 28, 283, 6912, 65535}) {
    EXPECT_EQ(AddressText(static_cast<std::uint16_t>(address)), std::to_string(address));
  }
}

}  // namespace
}  // namespace exporter
