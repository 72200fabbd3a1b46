// Files replaced whole, and what an interrupted replacement leaves cleaned up.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "platform/filewrite.h"

namespace hk {
namespace {

namespace fs = std::filesystem;

class Folder : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }
  std::set<std::string> Names() {
    std::set<std::string> out;
    for (const auto& e : fs::directory_iterator(dir)) out.insert(e.path().filename().string());
    return out;
  }
  const fs::path dir = fs::temp_directory_path() / ("hk-files-" + std::to_string(::getpid()));
};

TEST_F(Folder, ReplacesWholeAndLeavesNoTemporary) {
  ASSERT_TRUE(WriteFileAtomically(dir / "pref.ini", "one\r\n"));
  ASSERT_TRUE(WriteFileAtomically(dir / "pref.ini", "two\r\n"));
  std::ifstream in(dir / "pref.ini", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "two\r\n");
  EXPECT_EQ(Names(), std::set<std::string>{"pref.ini"});
  EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "pref.ini", "x")) << "no folder, no file";
}

TEST_F(Folder, LeftoversOfAKilledRunAreRemovedAndNothingElse) {
  const std::set<std::string> kept = {"Colorx.dat", "pref.ini", "Colorx.dat.new",
      "Colorx.dat.newer", "Colorx.dat.new12-x", ".pref.ini.toolong", "Colorx.dat.new-5"};
  for (const auto& name : kept) std::ofstream(dir / name) << "x";
  for (const char* name : {"Colorx.dat.new1234-0", "Colorx.dat.new99-12", ".pref.ini.Ab3xYz"})
    std::ofstream(dir / name) << "x";
  EXPECT_EQ(RemoveLeftoverTemporaries(dir, "Colorx.dat"), 2);
  EXPECT_EQ(RemoveLeftoverTemporaries(dir, "pref.ini"), 1);
  EXPECT_EQ(Names(), kept);
  EXPECT_EQ(RemoveLeftoverTemporaries(dir / "absent", "pref.ini"), 0);
}

}  // namespace
}  // namespace hk
