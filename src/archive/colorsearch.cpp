#include "archive/colorsearch.h"

#include "archive/archiverecord.h"

namespace hk {

bool NameMatches(std::string_view name, std::string_view text) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (j < text.size()) {
    if (i == name.size() || NextFoldedChar(name, i) != NextFoldedChar(text, j)) return false;
  }
  return true;
}

std::optional<int> NextMatch(int count, const std::function<std::string(int)>& nameAt,
                             int selected, std::string_view text) {
  const int start = selected > 0 && selected < count ? selected : 0;
  for (int k = 0; k < count; ++k) {
    const int index = (start + k) % count;
    if (NameMatches(nameAt(index), text)) return index;
  }
  return std::nullopt;
}

std::optional<int> NextMatch(std::span<const std::string> names, int selected,
                             std::string_view text) {
  return NextMatch(
      static_cast<int>(names.size()),
      [names](int i) { return names[static_cast<std::size_t>(i)]; }, selected, text);
}

}  // namespace hk
