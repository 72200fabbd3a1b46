#include "colour/webcolors.h"

#include <array>
#include <charconv>
#include <utility>

namespace hk {

namespace {

struct Entry {
  std::string_view name;
  std::string_view value;
};

constexpr std::array<Entry, 140> kEntries{{
#include "colour/webcolors_table.inc"
}};

char UpperChar(char ch) { return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 32) : ch; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperChar(a[i]) != UpperChar(b[i])) return false;
  }
  return true;
}

}  // namespace

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& ch : out) ch = UpperChar(ch);
  return out;
}

void WebColors::LoadWebColors() {
  WebNames.clear();
  WebValues.clear();
  WebNames.reserve(kEntries.size());
  WebValues.reserve(kEntries.size());
  for (const Entry& e : kEntries) {
    WebNames.emplace_back(e.name);
    WebValues.emplace_back(e.value);
  }
}

LongColour WebColors::ColourAt(int index) const {
  const std::string& text = WebValues.at(static_cast<std::size_t>(index));
  LongColour value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

int WebColors::FindName(std::string_view typed) const {
  for (int i = 0; i < Count(); ++i) {
    if (EqualsIgnoringCase(typed, WebNames[static_cast<std::size_t>(i)])) return i;
  }
  return -1;
}

int WebColors::FindColour(LongColour colour) const {
  char buf[16];
  const auto res = std::to_chars(buf, buf + sizeof buf, colour);
  const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
  for (int i = 0; i < Count(); ++i) {
    if (WebValues[static_cast<std::size_t>(i)] == text) return i;
  }
  return -1;
}

int WebColors::FindPrefix(std::string_view prefix, int start) const {
  for (int i = start < 0 ? 0 : start; i < Count(); ++i) {
    const std::string_view name = WebNames[static_cast<std::size_t>(i)];
    if (name.size() >= prefix.size() && EqualsIgnoringCase(name.substr(0, prefix.size()), prefix))
      return i;
  }
  return -1;
}

}  // namespace hk
