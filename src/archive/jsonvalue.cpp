#include "archive/jsonvalue.h"

#include <charconv>
#include <cmath>

namespace hk {

namespace {

constexpr int kMaxDepth = 64;

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  std::optional<JsonValue> Document() {
    auto value = Value(0);
    SkipBlanks();
    if (!value || at_ != text_.size()) return std::nullopt;  // nothing may follow
    return value;
  }

 private:
  void SkipBlanks() {
    for (; at_ < text_.size(); ++at_) {
      const char c = text_[at_];
      if (c == '\n') ++line_;
      if (c != ' ' && c != '\t' && c != '\n' && c != '\r') return;
    }
  }
  bool Take(char c) {
    SkipBlanks();
    if (at_ >= text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }
  bool Word(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  std::optional<JsonValue> Value(int depth) {
    SkipBlanks();
    if (at_ >= text_.size() || depth > kMaxDepth) return std::nullopt;
    JsonValue v;
    v.line = line_;
    const char c = text_[at_];
    if (c == '{' || c == '[') {
      ++at_;
      const char close = c == '{' ? '}' : ']';
      JsonValue::Array items;
      JsonValue::Object members;
      if (!Take(close)) {
        do {
          std::string key;
          if (c == '{' && (!Take('"') || !StringBody(key) || !Take(':'))) return std::nullopt;
          auto item = Value(depth + 1);
          if (!item) return std::nullopt;
          if (c == '{') {
            members.insert_or_assign(std::move(key), std::move(*item));  // the last one counts
          } else {
            items.push_back(std::move(*item));
          }
        } while (Take(','));
        if (!Take(close)) return std::nullopt;
      }
      if (c == '{') {
        v.value = std::move(members);
      } else {
        v.value = std::move(items);
      }
    } else if (c == '"') {
      ++at_;
      std::string s;
      if (!StringBody(s)) return std::nullopt;
      v.value = std::move(s);
    } else if (Word("true")) {
      v.value = true;
    } else if (Word("false")) {
      v.value = false;
    } else if (Word("null")) {
      v.value = nullptr;
    } else {
      double number = 0;
      const char* end = text_.data() + text_.size();
      const auto [next, error] = std::from_chars(text_.data() + at_, end, number);
      if (error != std::errc() || next == text_.data() + at_ || !std::isfinite(number))
        return std::nullopt;
      at_ = static_cast<std::size_t>(next - text_.data());
      v.value = number;
    }
    return v;
  }

  // After the opening quote: the text up to the closing one, escapes decoded.
  bool StringBody(std::string& out) {
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;  // a raw line break or tab
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) return false;
      const char e = text_[at_++];
      switch (e) {
        case '"':
        case '\\':
        case '/':
          out += e;
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          char32_t code = 0;
          if (!Hex4(code)) return false;
          // A surrogate pair is one character; a lone half is not one at all.
          if (code >= 0xD800 && code <= 0xDBFF) {
            char32_t low = 0;
            if (!Word("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) return false;
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          } else if (code >= 0xDC00 && code <= 0xDFFF) {
            return false;
          }
          AppendUtf8(out, code);
          break;
        }
        default:
          return false;
      }
    }
    return false;  // no closing quote
  }
  bool Hex4(char32_t& code) {
    if (text_.size() - at_ < 4) return false;
    unsigned value = 0;
    const auto [next, error] =
        std::from_chars(text_.data() + at_, text_.data() + at_ + 4, value, 16);
    if (error != std::errc() || next != text_.data() + at_ + 4) return false;
    at_ += 4;
    code = value;
    return true;
  }
  static void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
  int line_ = 1;
};

}  // namespace

const JsonValue* JsonValue::Member(std::string_view name) const {
  const Object* members = Members();
  if (members == nullptr) return nullptr;
  const auto it = members->find(name);
  return it == members->end() ? nullptr : &it->second;
}

std::optional<JsonValue> ParseJson(std::string_view text) { return Parser(text).Document(); }

}  // namespace hk
