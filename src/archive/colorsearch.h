// Searching the colour table by the beginning of a name: the match rule and the
// order in which a list is searched from its selection.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace hk {

// A name matches when it begins with `text`, letters compared without regard to case
// as the archive compares names. The text is taken as typed: stored names never begin
// with a blank, so a text that does matches nothing.
bool NameMatches(std::string_view name, std::string_view text);

// The index of the first name that matches `text`, searched after the 1-based
// `selected` position to the end and then from the start, so the selected name
// itself comes last and each search moves on to the next match. `selected` 0 (or
// one outside the list) searches from the start.
std::optional<int> NextMatch(int count, const std::function<std::string(int)>& nameAt,
                             int selected, std::string_view text);
std::optional<int> NextMatch(std::span<const std::string> names, int selected,
                             std::string_view text);

}  // namespace hk
