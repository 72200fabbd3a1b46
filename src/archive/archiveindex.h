// The duplicate checks of an import over every saved colour at once. Built when an
// import starts, so that a long palette into a long archive costs one pass over the
// records instead of one per colour read.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "archive/recordlist.h"

namespace hk {

class ArchiveIndex {
 public:
  explicit ArchiveIndex(const RecordList& records);

  bool HasColour(LongColour colour) const;
  // A name as the file holds it, compared as the archive compares names.
  bool HasName(std::string_view stored) const;
  // Record `index`, just appended to the list.
  void Added(int index);

 private:
  const RecordList& records_;
  // Sorted, for the records there were at the start; a hash set for those added since.
  std::vector<LongColour> colours_;
  std::unordered_set<LongColour> addedColours_;
  // Hashes of the names in upper case, with their records, to be compared in full.
  std::vector<std::pair<std::uint64_t, int>> names_;
  std::unordered_multimap<std::uint64_t, int> addedNames_;
};

}  // namespace hk
