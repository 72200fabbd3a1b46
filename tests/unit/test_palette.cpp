// Palette files: the bytes written for each format, what each reader takes and which lines
// it reports, the archive's rules for an import, and the archive's bytes after a round trip.
#include <gtest/gtest.h>

#include "../test_support.h"
#include "archive/colourarchive.h"
#include "archive/palettefile.h"
#include "archive/palettetransfer.h"
#include "colour/webcolors.h"

namespace hk {
namespace {

using Entries = std::vector<PaletteEntry>;
const Entries kThree = {{RGB(255, 128, 64), "Caf\xC3\xA9 */ 1"},
                        {RGB(0, 0, 5), ""},
                        {RGB(1, 2, 3), "caf\xC3\xA9 */ 1"}};

TEST(PaletteFile, EachFormatWrittenByteForByte) {
  const std::pair<PaletteFormat, std::string> files[] = {
      {PaletteFormat::Gpl,
       "GIMP Palette\nName: Hue Keeper\n#\n255 128  64\tCaf\xC3\xA9 */ 1\n  0   0   5\t\n"
       "  1   2   3\tcaf\xC3\xA9 */ 1\n"},
      {PaletteFormat::Css,
       ":root {\n  --caf--1: #FF8040; /* Caf\xC3\xA9 * / 1 */\n  --colour: #000005; /*  */\n"
       "  --caf--1-2: #010203; /* caf\xC3\xA9 * / 1 */\n}\n"},
      {PaletteFormat::Json,
       "[\n  {\"name\": \"Caf\xC3\xA9 */ 1\", \"hex\": \"#FF8040\", \"rgb\": [255, 128, 64]},\n"
       "  {\"name\": \"\", \"hex\": \"#000005\", \"rgb\": [0, 0, 5]},\n"
       "  {\"name\": \"caf\xC3\xA9 */ 1\", \"hex\": \"#010203\", \"rgb\": [1, 2, 3]}\n]\n"},
      {PaletteFormat::Txt, "#FF8040\tCaf\xC3\xA9 */ 1\n#000005\t\n#010203\tcaf\xC3\xA9 */ 1\n"}};
  for (const auto& [format, bytes] : files) EXPECT_EQ(WritePalette(format, kThree), bytes);
  EXPECT_EQ(WritePalette(PaletteFormat::Json, {}), "[]\n");
}

TEST(PaletteFile, ReadersTakeTheirFormatAndNameTheLinesThatAreNoColour) {
  const WebColors web;
  const struct {
    PaletteFormat format;
    std::string text;
    bool palette;
    Entries entries;
    std::vector<int> bad;
  } cases[] = {{PaletteFormat::Gpl,
                "\xEF\xBB\xBFGIMP Palette\r\nName: x\r\nColumns: 4\r\n# note\r\n\r\n 10 20  30  "
                "Sea  blue \r\n"
                "1 2\r\n256 0 0\r\n0 0 0x\r\n7\t8\t9\r\n",
                true,
                {{RGB(10, 20, 30), "Sea  blue"}, {RGB(7, 8, 9), ""}},
                {7, 8, 9}},
               {PaletteFormat::Gpl, "1 2 3 Red\n", false, {}, {}},
               {PaletteFormat::Json,
                "[{\"name\": \"A\\u00e9\\u65e5\", \"hex\": \"#0a0B0c\"},\n {\"rgb\": [1, 2, 3]},\n"
                " {\"rgb\": [1, 2, 300]}, {\"name\": \"no colour\"},\n 5]",
                true,
                {{RGB(10, 11, 12), "A\xC3\xA9\xE6\x97\xA5"}, {RGB(1, 2, 3), ""}},
                {3, 3, 4}},
               {PaletteFormat::Json, "{\"hex\": \"#000000\"}", false, {}, {}},
               {PaletteFormat::Json, "[{\"hex\": \"#000000\"", false, {}, {}},
               {PaletteFormat::Txt,
                "#FF0000\tRed one\nrgb(0, 255, 0)\t Green \n0, 0, 255\ncmyk(0, 0, 0, 255)\tInk\n"
                "AliceBlue\t\n\n255\tLong\nFF\tHex\nnot a colour\tx\n",
                true,
                {{255, "Red one"},
                 {RGB(0, 255, 0), "Green"},
                 {RGB(0, 0, 255), ""},
                 {0, "Ink"},
                 {RGB(240, 248, 255), ""},
                 {255, "Long"},
                 {255, "Hex"}},
                {9}},
               {PaletteFormat::Css, ":root { --a: #000000; }", false, {}, {}}};
  for (const auto& c : cases) {
    const PaletteReading r = ReadPalette(c.format, c.text, web);
    EXPECT_EQ(std::tuple(r.palette, r.entries, r.badLines), std::tuple(c.palette, c.entries, c.bad))
        << c.text;
  }
}

// An archive holding `colours` (1000 + i, named as given) in a fresh folder.
struct Saved {
  explicit Saved(const std::vector<std::string>& names) {
    std::vector<LongColour> values;
    for (std::size_t i = 0; i < names.size(); ++i) values.push_back(1000 + static_cast<int>(i));
    WriteArchiveFile(file, values, names);
    archive.LoadColors(file);
  }
  testing::ScratchFolder dir;
  std::filesystem::path file = dir / kArchiveFileName;
  ColourArchive archive;
};

TEST(PaletteImport, AddsByTheArchivesRulesAndSaysWhatItSkipped) {
  Saved saved({"Sky"});
  // Sky is 1000: red 232, green 3.
  const std::string gpl =
      "GIMP Palette\n1000 0 0 dup\n232 3 0\tsame colour\n0 0 1 SKY\n"
      "1 1 1 " +
      std::string(34, 'x') +
      "\n2 2 2 \xE6\x97\xA5 ink\n3 3 3\n"
      "3 3 3 again\nnot a colour\n";
  testing::WriteBytes(saved.dir / "in.gpl", gpl);
  const WebColors web;
  const ImportReport r = ImportPalette(saved.dir / "in.gpl", saved.archive, web);
  EXPECT_EQ(r.Summary(), "3 colours imported, 3 already saved, 2 lines not read (lines 2, 9)");
  EXPECT_EQ(saved.archive.Save(saved.file).action, SaveAction::Append);
  EXPECT_EQ(testing::ReadBytes(saved.file),
            testing::Record(1000, "Sky") + testing::Record(RGB(1, 1, 1), std::string(25, 'x')) +
                testing::Record(RGB(2, 2, 2), "? ink") + testing::Record(RGB(3, 3, 3), "#030303"));
  // Nothing read, nothing changed: a missing file, a suffix that is not read, no colour.
  for (const char* file : {"absent.txt", "in.css", "in.gpl"}) {
    if (std::string(file) == "in.gpl") testing::WriteBytes(saved.dir / file, "GIMP Palette\n");
    const ImportReport none = ImportPalette(saved.dir / file, saved.archive, web);
    EXPECT_EQ(std::pair(none.status != ImportReport::Status::Read, saved.archive.Count()),
              std::pair(true, 4))
        << none.Summary();
  }
}

TEST(PaletteImport, AnExportImportedIntoAnEmptyFolderGivesBackTheSameArchive) {
  // Enough colours that every file is read in more than one piece.
  std::vector<std::string> names{"Caf\xC3\xA9 cr\xC3\xA8me", "Red", "Deep sea"};
  for (int i = 3; i < 4000; ++i) names.push_back("Colour " + std::to_string(i));
  Saved saved(names);
  const WebColors web;
  for (const char* name : {"out.gpl", "out.json", "out.txt"}) {
    ASSERT_TRUE(ExportPalette(saved.dir / name, saved.archive).ok) << name;
    ASSERT_GT(std::filesystem::file_size(saved.dir / name), 65536u) << name;
    Saved empty({});
    EXPECT_EQ(ImportPalette(saved.dir / name, empty.archive, web).imported, 4000) << name;
    empty.archive.Save(empty.file);
    EXPECT_EQ(testing::ReadBytes(empty.file), testing::ReadBytes(saved.file)) << name;
  }
  EXPECT_FALSE(ExportPalette(saved.dir / "out.png", saved.archive).ok);
  EXPECT_FALSE(ExportPalette(saved.dir / "no/such/folder/out.gpl", saved.archive).ok);
}

}  // namespace
}  // namespace hk
