#include "archive/archiveindex.h"

#include <algorithm>

namespace hk {

namespace {

// FNV-1a of the name with its letters in the case SameStoredName compares them in.
std::uint64_t NameHash(std::string_view stored) {
  std::uint64_t h = 14695981039346656037ull;
  for (const char ch : stored) {
    h ^= FoldedStoredByte(static_cast<unsigned char>(ch));
    h *= 1099511628211ull;
  }
  return h;
}

}  // namespace

ArchiveIndex::ArchiveIndex(const RecordList& records) : records_(records) {
  const int count = records.Count();
  colours_.reserve(static_cast<std::size_t>(count));
  names_.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    colours_.push_back(records.Colour(i));
    names_.emplace_back(NameHash(records.StoredName(i)), i);
  }
  std::sort(colours_.begin(), colours_.end());
  std::sort(names_.begin(), names_.end());
}

bool ArchiveIndex::HasColour(LongColour colour) const {
  return std::binary_search(colours_.begin(), colours_.end(), colour) ||
         addedColours_.contains(colour);
}

bool ArchiveIndex::HasName(std::string_view stored) const {
  const std::uint64_t h = NameHash(stored);
  const auto same = [&](int index) { return SameStoredName(records_.StoredName(index), stored); };
  auto [first, last] =
      std::equal_range(names_.begin(), names_.end(), std::pair(h, 0),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
  if (std::any_of(first, last, [&](const auto& entry) { return same(entry.second); })) return true;
  auto [from, to] = addedNames_.equal_range(h);
  return std::any_of(from, to, [&](const auto& entry) { return same(entry.second); });
}

void ArchiveIndex::Added(int index) {
  addedColours_.insert(records_.Colour(index));
  addedNames_.emplace(NameHash(records_.StoredName(index)), index);
}

}  // namespace hk
