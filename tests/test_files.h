// Files as every level of the tests makes and reads them: a scratch folder, bytes, records.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace hk::testing {

// A fresh folder under the system's temporary folder, removed with its contents.
struct ScratchFolder : std::filesystem::path {
  ScratchFolder() : path(Made()) {}
  ~ScratchFolder() { std::filesystem::remove_all(*this, ignored); }
  static std::string Made() {
    std::string folder = (std::filesystem::temp_directory_path() / "hk-test-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return folder;
  }
  std::error_code ignored;
};

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

// A record by hand: four colour bytes as they stand in the file, the name, spaces up to 25.
inline std::string Record(std::string_view colourBytes, std::string_view name) {
  return std::string(colourBytes).append(name).append(25 - name.size(), ' ');
}
// The same from a Long colour, stored little-endian.
inline std::string Record(std::uint32_t colour, std::string_view name) {
  const char bytes[] = {char(colour), char(colour >> 8), char(colour >> 16), char(colour >> 24)};
  return Record(std::string_view(bytes, 4), name);
}

}  // namespace hk::testing
