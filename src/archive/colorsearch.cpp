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

std::optional<int> NextMatch(std::span<const std::string> names, int selected,
                             std::string_view text) {
  const int count = static_cast<int>(names.size());
  const int start = selected > 0 && selected < count ? selected : 0;
  for (int k = 0; k < count; ++k) {
    const int index = (start + k) % count;
    if (NameMatches(names[static_cast<std::size_t>(index)], text)) return index;
  }
  return std::nullopt;
}

}  // namespace hk
