// The AY file stores every 16-bit value high byte first.
#pragma once

#include <array>
#include <cstdint>

namespace ay {

// A 16-bit field exactly as it stands in the file.
using TWordField = std::array<std::uint8_t, 2>;

// The field as an unsigned number: first byte × 256 + second byte.
constexpr std::uint16_t SwapWord(TWordField field) {
  return static_cast<std::uint16_t>(field[0] << 8 | field[1]);
}

// The field as a two's complement number, as relative pointers are stored.
constexpr std::int16_t SwapSmallInt(TWordField field) {
  const int value = SwapWord(field);
  return static_cast<std::int16_t>(value >= 0x8000 ? value - 0x10000 : value);
}

}  // namespace ay
