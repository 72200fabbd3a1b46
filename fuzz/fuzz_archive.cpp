// Any bytes as Colorx.dat: the loader reads the rounded number of records, trims
// every name, and what it read encodes back to whole records that load unchanged.
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

hk::ColourArchive LoadFrom(const std::filesystem::path& file, std::string_view bytes) {
  WriteFile(file, bytes);
  hk::ColourArchive archive;
  const hk::LoadResult loaded = archive.LoadColors(file);
  std::filesystem::remove(file);
  if (loaded.status != hk::LoadStatus::Loaded) std::abort();
  if (loaded.records != archive.Count()) std::abort();
  return archive;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("hk-fuzz-archive-" + std::to_string(::getpid()) + ".dat");
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const hk::ColourArchive archive = LoadFrom(file, bytes);
  if (static_cast<std::uint64_t>(archive.Count()) != hk::RecordCount(size)) std::abort();
  for (const std::string& name : archive.Names()) {
    if (!name.empty() && (name.front() == ' ' || name.back() == ' ')) std::abort();
  }

  std::string written;
  for (int i = 0; i < archive.Count(); ++i) {
    const auto k = static_cast<std::size_t>(i);
    const hk::RecordBytes r = hk::EncodeRecord(archive.Values()[k], archive.Names()[k]);
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
  const hk::ColourArchive again = LoadFrom(file, written);
  if (again.Values() != archive.Values() || again.Names() != archive.Names()) std::abort();
  return 0;
}
