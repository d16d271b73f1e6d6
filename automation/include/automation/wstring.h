#pragma once
// A UTF-16 string that can be null (absent) as well as empty: the libraries tell the two apart.
#include <compare>
#include <string>
#include <string_view>

namespace automation {

class WString {
 public:
  WString() = default;  // null
  WString(std::u16string text) : text_(std::move(text)), null_(false) {}
  WString(std::u16string_view text) : text_(text), null_(false) {}
  WString(const char16_t* text) : text_(text ? text : u""), null_(text == nullptr) {}

  static WString null() { return WString(); }
  static WString fromUtf8(std::string_view utf8);

  bool isNull() const { return null_; }
  // Empty includes null: a null string has no characters.
  bool isEmpty() const { return text_.empty(); }
  std::size_t size() const { return text_.size(); }

  const std::u16string& str() const { return text_; }
  std::u16string& str() { null_ = false; return text_; }
  std::u16string_view view() const { return text_; }
  std::string toUtf8() const;

  // Equal when both are null, or both are strings with the same characters.
  friend bool operator==(const WString&, const WString&) = default;

 private:
  std::u16string text_;
  bool null_ = true;
};

// UTF-8 <-> UTF-16 conversions; invalid sequences become U+FFFD.
std::u16string utf16FromUtf8(std::string_view utf8);
std::string utf8FromUtf16(std::u16string_view utf16);

}  // namespace automation
