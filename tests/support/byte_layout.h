// Lays out a file of bytes, with relative pointers resolved once the layout is
// complete. Every field can carry a name, so that a test can bend it
// afterwards: give it another raw value, or point it at another label.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fixture {

using Bytes = std::vector<std::uint8_t>;

class ByteLayout {
 public:
  // Marks the current end of the layout as `label`.
  ByteLayout& Label(const std::string& label);
  ByteLayout& Byte(std::uint8_t value, const std::string& field = "");
  // Big-endian, as every 16-bit value of an AY file.
  ByteLayout& Word(std::uint16_t value, const std::string& field = "");
  // A relative pointer from this field to `label`.
  ByteLayout& RefTo(const std::string& label, const std::string& field = "");
  ByteLayout& Raw(const Bytes& bytes);
  ByteLayout& Raw(std::string_view bytes);
  // The bytes followed by a terminating 0.
  ByteLayout& Text(std::string_view text);

  // Overrides a named field with a raw value (the low 8 or 16 bits are kept).
  ByteLayout& Set(const std::string& field, int value);
  // Overrides a named pointer field so that it designates another label.
  ByteLayout& PointAt(const std::string& field, const std::string& label);

  std::size_t Size() const { return bytes_.size(); }
  std::size_t PositionOf(const std::string& label) const;
  Bytes Build() const;

 private:
  struct Field {
    std::size_t position;
    std::size_t width;
    // A raw value, or the label that a relative pointer designates.
    std::variant<int, std::string> content;
  };
  Bytes bytes_;
  std::map<std::string, std::size_t> labels_;
  std::vector<Field> fields_;
  std::map<std::string, std::size_t> named_fields_;
};

}  // namespace fixture
