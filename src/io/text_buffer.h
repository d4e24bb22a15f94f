// The 128-byte buffer of a text file: text reaches its destination in whole
// 128-byte pieces, and the rest only when the owner writes it out.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "io/failure_codes.h"

namespace io {

class TextBuffer {
 public:
  static constexpr std::size_t kSize = 128;

  // Appends `text`. Each time the buffer holds exactly kSize bytes, hands them
  // to `write_piece` (which returns a failure code) and empties the buffer.
  // When a piece fails, its bytes are dropped, the rest of `text` is not
  // appended, and that piece's code is returned; otherwise kNoFailure.
  template <typename WritePiece>
  FailureCode Append(std::string_view text, WritePiece&& write_piece) {
    for (char byte : text) {
      bytes_[fill_++] = byte;
      if (fill_ == kSize) {
        fill_ = 0;
        const FailureCode code = write_piece(std::span<const char>(bytes_));
        if (code != kNoFailure) return code;
      }
    }
    return kNoFailure;
  }

  // The bytes waiting for the next piece or for a flush (0 to kSize - 1).
  std::span<const char> Pending() const { return std::span<const char>(bytes_).first(fill_); }

  void Clear() { fill_ = 0; }

 private:
  std::array<char, kSize> bytes_{};
  std::size_t fill_ = 0;
};

}  // namespace io
