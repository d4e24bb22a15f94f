#include "ay/byte_order.h"

#include <gtest/gtest.h>

namespace ay {
namespace {

TEST(ByteOrder, HighByteFirst) {
  struct Case {
    TWordField field;
    std::uint16_t word;
    std::int16_t small_int;
  };
  for (const Case& c :
       {Case{{0x00, 0x00}, 0, 0}, Case{{0x12, 0x34}, 0x1234, 0x1234}, Case{{0x00, 0xFF}, 255, 255},
        Case{{0x7F, 0xFF}, 32767, 32767}, Case{{0x80, 0x00}, 32768, -32768},
        Case{{0xFF, 0xF0}, 65520, -16}, Case{{0xFF, 0xFF}, 65535, -1}}) {
    EXPECT_EQ(SwapWord(c.field), c.word) << int{c.field[0]} << " " << int{c.field[1]};
    EXPECT_EQ(SwapSmallInt(c.field), c.small_int) << int{c.field[0]} << " " << int{c.field[1]};
  }
}

}  // namespace
}  // namespace ay
