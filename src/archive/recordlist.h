// The saved colours as the records of the archive file, 29 bytes each, kept in the
// file's own form. The file is mapped rather than read, so a long archive costs
// neither time nor memory until a record is looked at: start-up reads only the
// records it shows. Records added in the run follow the mapped ones; the first
// delete or rename of a mapped record copies them, since a mapping cannot change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archiverecord.h"
#include "colour/longcolour.h"

namespace hk {

enum class LoadStatus {
  Loaded,     // the whole file was read
  Missing,    // no file: the archive starts empty
  ReadError,  // the file could not be read to its end; the records before stay
};

struct LoadResult {
  LoadStatus status = LoadStatus::Missing;
  int records = 0;
  std::string error;  // what went wrong, for a ReadError
};

class RecordList {
 public:
  RecordList() = default;
  ~RecordList();
  RecordList(const RecordList&) = delete;
  RecordList& operator=(const RecordList&) = delete;

  // Replaces the records with those of `file`. A last record cut short counts when the
  // rounded record count includes it, its missing name bytes read as spaces.
  LoadResult Load(const std::filesystem::path& file);
  void Clear();

  int Count() const { return static_cast<int>(baseCount_ + tail_.size() / kRecordSize); }
  // The 29 bytes of record `index`, which must exist.
  const unsigned char* Record(int index) const {
    const auto i = static_cast<std::size_t>(index);
    return i < baseCount_ ? base_ + i * kRecordSize : tail_.data() + (i - baseCount_) * kRecordSize;
  }
  LongColour Colour(int index) const;
  // The name in the code page, without the spaces around it.
  std::string_view StoredName(int index) const;

  void Append(LongColour colour, std::string_view utf8Name);
  void Rename(int index, std::string_view utf8Name);
  void Erase(int index);

 private:
  void Unmap();
  void MakeWritable();  // the mapped records become a copy of our own
  bool ReadInto(int fd, std::size_t bytes, int& err);

  const unsigned char* base_ = nullptr;  // the records read from the file
  std::size_t baseCount_ = 0;
  void* map_ = nullptr;
  std::size_t mapLength_ = 0;
  std::vector<unsigned char> owned_;  // the records from the file once copied or read
  std::vector<unsigned char> tail_;   // the records after them
};

// The largest number of records an archive holds: positions are 32-bit.
inline constexpr std::uint64_t kMaxRecords = 2147483646;

}  // namespace hk
