#include "support/byte_layout.h"

#include <stdexcept>

namespace fixture {

ByteLayout& ByteLayout::Label(const std::string& label) {
  labels_[label] = bytes_.size();
  return *this;
}

ByteLayout& ByteLayout::Byte(std::uint8_t value, const std::string& field) {
  if (!field.empty()) named_fields_[field] = fields_.size();
  fields_.push_back(Field{bytes_.size(), 1, int{value}});
  bytes_.push_back(0);
  return *this;
}

ByteLayout& ByteLayout::Word(std::uint16_t value, const std::string& field) {
  if (!field.empty()) named_fields_[field] = fields_.size();
  fields_.push_back(Field{bytes_.size(), 2, int{value}});
  bytes_.insert(bytes_.end(), 2, 0);
  return *this;
}

ByteLayout& ByteLayout::RefTo(const std::string& label, const std::string& field) {
  if (!field.empty()) named_fields_[field] = fields_.size();
  fields_.push_back(Field{bytes_.size(), 2, label});
  bytes_.insert(bytes_.end(), 2, 0);
  return *this;
}

ByteLayout& ByteLayout::Raw(const Bytes& bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

ByteLayout& ByteLayout::Raw(std::string_view bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

ByteLayout& ByteLayout::Text(std::string_view text) {
  Raw(text);
  bytes_.push_back(0);
  return *this;
}

ByteLayout& ByteLayout::Set(const std::string& field, int value) {
  fields_.at(named_fields_.at(field)).content = value;
  return *this;
}

ByteLayout& ByteLayout::PointAt(const std::string& field, const std::string& label) {
  fields_.at(named_fields_.at(field)).content = label;
  return *this;
}

std::size_t ByteLayout::PositionOf(const std::string& label) const {
  const auto found = labels_.find(label);
  if (found == labels_.end()) throw std::out_of_range("no label " + label);
  return found->second;
}

Bytes ByteLayout::Build() const {
  Bytes bytes = bytes_;
  for (const Field& field : fields_) {
    int value = 0;
    if (const int* raw = std::get_if<int>(&field.content)) {
      value = *raw;
    } else {
      value = static_cast<int>(PositionOf(std::get<std::string>(field.content))) -
              static_cast<int>(field.position);
      if (value < -32768 || value > 32767) throw std::out_of_range("pointer out of reach");
    }
    const auto pattern = static_cast<unsigned>(value);
    if (field.width == 1) {
      bytes[field.position] = static_cast<std::uint8_t>(pattern);
    } else {
      bytes[field.position] = static_cast<std::uint8_t>(pattern >> 8);
      bytes[field.position + 1] = static_cast<std::uint8_t>(pattern);
    }
  }
  return bytes;
}

}  // namespace fixture
