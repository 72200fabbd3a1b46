#include "archive/recordlist.h"

#include <sys/mman.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "platform/filewrite.h"
#include "platform/unixfile.h"

namespace hk {

RecordList::~RecordList() { Unmap(); }

void RecordList::Unmap() {
  if (map_ != nullptr) ::munmap(map_, mapLength_);
  map_ = nullptr;
  mapLength_ = 0;
}

void RecordList::Clear() {
  Unmap();
  base_ = nullptr;
  baseCount_ = 0;
  owned_ = {};
  tail_ = {};
}

LoadResult RecordList::Load(const std::filesystem::path& file) {
  Clear();
  LoadResult result;
  // Not blocking, so a pipe in the file's place cannot hang the start-up.
  Fd fd(-1);
  std::uint64_t length = 0;
  if (const int openError = OpenToRead(file, fd, length); openError != 0) {
    if (openError == ENOENT) return result;  // no archive yet
    result.status = LoadStatus::ReadError;
    result.error = FileError(file, openError);
    return result;
  }
  result.status = LoadStatus::Loaded;
  const std::uint64_t count = std::min(RecordCount(length), kMaxRecords);
  const auto whole = static_cast<std::size_t>(std::min(length / kRecordSize, count));
  int err = 0;
  if (whole > 0) {
    void* map = ::mmap(nullptr, whole * kRecordSize, PROT_READ, MAP_PRIVATE, fd.get(), 0);
    if (map != MAP_FAILED) {
      map_ = map;
      mapLength_ = whole * kRecordSize;
      base_ = static_cast<const unsigned char*>(map);
      baseCount_ = whole;
    } else if (!ReadInto(fd.get(), whole * kRecordSize, err)) {
      // Where the file cannot be mapped it is read; the whole records before an error stay.
      result.status = LoadStatus::ReadError;
      result.error = FileError(file, err);
    }
  }
  if (result.status == LoadStatus::Loaded && count > whole) {
    // The last record, cut short: its colour and the name bytes there are.
    tail_.assign(kRecordSize, ' ');
    const std::size_t rest = length % kRecordSize;
    const std::size_t got =
        ReadFully(fd.get(), tail_.data(), rest, static_cast<off_t>(whole * kRecordSize), err);
    if (got < rest) {
      tail_.clear();
      result.status = LoadStatus::ReadError;
      result.error = FileError(file, err != 0 ? err : EIO);
    }
  }
  if (result.status == LoadStatus::Loaded && count < RecordCount(length)) {
    result.status = LoadStatus::ReadError;
    result.error = FileError(file, EFBIG);
  }
  result.records = Count();
  return result;
}

bool RecordList::ReadInto(int fd, std::size_t bytes, int& err) {
  try {
    owned_.resize(bytes);
  } catch (const std::bad_alloc&) {
    err = ENOMEM;
    return false;
  }
  const std::size_t got = ReadFully(fd, owned_.data(), bytes, 0, err);
  owned_.resize(got - got % kRecordSize);
  base_ = owned_.data();
  baseCount_ = owned_.size() / kRecordSize;
  if (err == 0 && got < bytes) err = EIO;  // the file shrank while it was read
  return got == bytes;
}

LongColour RecordList::Colour(int index) const {
  const unsigned char* r = Record(index);
  const std::uint32_t v = std::uint32_t{r[0]} | std::uint32_t{r[1]} << 8 |
                          std::uint32_t{r[2]} << 16 | std::uint32_t{r[3]} << 24;
  return static_cast<LongColour>(v);
}

std::string_view RecordList::StoredName(int index) const {
  return TrimSpaces(std::string_view(reinterpret_cast<const char*>(Record(index)) + 4, kNameSize));
}

void RecordList::Append(LongColour colour, std::string_view utf8Name) {
  const std::size_t at = tail_.size();
  tail_.resize(at + kRecordSize);
  EncodeRecord(colour, utf8Name, tail_.data() + at);
}

void RecordList::Rename(int index, std::string_view utf8Name) {
  if (static_cast<std::size_t>(index) < baseCount_) MakeWritable();
  auto* record = const_cast<unsigned char*>(Record(index));
  EncodeRecord(Colour(index), utf8Name, record);
}

void RecordList::Erase(int index) {
  const auto i = static_cast<std::size_t>(index);
  if (i >= baseCount_) {
    const auto first = tail_.begin() + static_cast<std::ptrdiff_t>((i - baseCount_) * kRecordSize);
    tail_.erase(first, first + kRecordSize);
    return;
  }
  MakeWritable();
  const auto first = owned_.begin() + static_cast<std::ptrdiff_t>(i * kRecordSize);
  owned_.erase(first, first + kRecordSize);
  base_ = owned_.data();
  --baseCount_;
}

void RecordList::MakeWritable() {
  if (map_ == nullptr) return;
  owned_.assign(base_, base_ + baseCount_ * kRecordSize);
  Unmap();
  base_ = owned_.data();
}

}  // namespace hk
