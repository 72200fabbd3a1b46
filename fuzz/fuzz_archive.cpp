// Any bytes as Colorx.dat: the loader reads the rounded number of records, trims
// every name, finds each name again ignoring case, and what it read encodes back to
// whole records that load unchanged.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "archive/colourarchive.h"

namespace {

void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void LoadFrom(const std::filesystem::path& file, std::string_view bytes,
              hk::ColourArchive& archive) {
  WriteFile(file, bytes);
  const hk::LoadResult loaded = archive.LoadColors(file);
  std::filesystem::remove(file);
  if (loaded.status != hk::LoadStatus::Loaded) std::abort();
  if (loaded.records != archive.Count()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("hk-fuzz-archive-" + std::to_string(::getpid()) + ".dat");
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  hk::ColourArchive archive;
  LoadFrom(file, bytes, archive);
  if (static_cast<std::uint64_t>(archive.Count()) != hk::RecordCount(size)) std::abort();
  for (int i = 0; i < archive.Count(); ++i) {
    const std::string name = archive.Name(i);
    if (!name.empty() && (name.front() == ' ' || name.back() == ' ')) std::abort();
    const int found = archive.FindName(name);
    if (found < 0 || found > i || !hk::SameNameIgnoringCase(archive.Name(found), name)) std::abort();
  }

  std::string written;
  for (int i = 0; i < archive.Count(); ++i) {
    const hk::RecordBytes r = hk::EncodeRecord(archive.Value(i), archive.Name(i));
    written.append(r.begin(), r.end());
  }
  // Each whole record comes back byte for byte, but for the spaces before its name.
  for (std::size_t r = 0; r < size / hk::kRecordSize; ++r) {
    const std::string_view in = bytes.substr(r * hk::kRecordSize, hk::kRecordSize);
    std::size_t lead = 0;
    while (lead < hk::kNameSize && in[4 + lead] == ' ') ++lead;
    std::string expected(in.substr(0, 4));
    expected += in.substr(4 + lead);
    expected.append(lead, ' ');
    if (std::string_view(written).substr(r * hk::kRecordSize, hk::kRecordSize) != expected) {
      std::abort();
    }
  }
  hk::ColourArchive again;
  LoadFrom(file, written, again);
  for (int i = 0; i < archive.Count(); ++i) {
    if (again.Value(i) != archive.Value(i) || again.Name(i) != archive.Name(i)) std::abort();
  }
  return 0;
}
