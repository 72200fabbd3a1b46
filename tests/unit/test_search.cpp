// Searching a list by the beginning of a name: the order from the selection, with the
// real web colour names, and what a name must begin with to match.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "archive/colorsearch.h"
#include "colour/webcolors.h"

namespace hk {
namespace {

TEST(Search, EachSearchMovesToTheNextMatchAndWrapsAround) {
  const WebColors web;
  std::vector<int> dark;
  for (int i = 21; i <= 37; ++i) dark.push_back(i);  // DarkBlue .. DarkViolet
  dark.push_back(21);
  struct Case {
    int selected;  // 1-based, 0 none
    const char* text;
    std::vector<int> found;  // each search starts from the one found before
  };
  const Case cases[] = {
      {1, "dark", dark},  // from AliceBlue
      {1, "DaRK", dark},
      {140, "yellow", {138, 139, 138}},  // from YellowGreen, the last entry
      {0, "yellow", {138, 139}},
      {6, "Beige", {5, 5}},  // the selected entry is the only match
      {3, "aqua", {3, 2}},   // Aqua is tested last, after Aquamarine
      {0, "a", {0, 1}},      // nothing selected: from the first entry
      {1, "a", {1, 2}},
      {142, "a", {0}},  // a selection beyond the list counts as none
      {-1, "a", {0}},
  };
  for (const Case& c : cases) {
    int selected = c.selected;
    for (std::size_t k = 0; k < c.found.size(); ++k) {
      const auto found = NextMatch(web.WebNames, selected, c.text);
      ASSERT_EQ(found, c.found[k]) << c.text << " search " << k << " from " << selected;
      selected = *found + 1;
    }
  }
  for (const char* text : {" dark", "ZZ", "darkz", "AliceBlueX", "Alice Blue"})
    EXPECT_EQ(NextMatch(web.WebNames, 1, text), std::nullopt) << text;
  EXPECT_EQ(NextMatch({}, 0, "dark"), std::nullopt);
}

TEST(Search, SavedNamesMatchWithTheArchivesCaseRule) {
  const std::vector<std::string> saved = {"Sky", "Émile blue", "a&b", "straße"};
  const std::pair<const char*, std::optional<int>> cases[] = {{"ÉMI", 1},
                                                              {"émile B", 1},
                                                              {"e", std::nullopt},
                                                              {"A&", 2},
                                                              {"STRASSE", std::nullopt},
                                                              {"Straß", 3},
                                                              {"sky ", std::nullopt},
                                                              {"skyline", std::nullopt}};
  for (const auto& [text, index] : cases) EXPECT_EQ(NextMatch(saved, 0, text), index) << text;
}

}  // namespace
}  // namespace hk
