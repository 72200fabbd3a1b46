#include "archive/palettetransfer.h"

#include <cerrno>

#include "archive/colourarchive.h"
#include "archive/palettefile.h"
#include "platform/filewrite.h"
#include "platform/unixfile.h"

namespace hk {

namespace {

std::string Count(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string ImportReport::Summary() const {
  if (status != Status::Read) return error;
  std::string s = Count(imported, "colour", "colours") + " imported, " +
                  std::to_string(alreadySaved) + " already saved";
  if (badLines.empty()) return s;
  s += ", " + Count(static_cast<int>(badLines.size()), "line", "lines") + " not read (" +
       (badLines.size() == 1 ? "line " : "lines ");
  for (std::size_t i = 0; i < badLines.size(); ++i)
    s += (i ? ", " : "") + std::to_string(badLines[i]);
  return s + ")";
}

ImportReport ImportPalette(const std::filesystem::path& file, ColourArchive& archive,
                           const WebColors& web) {
  ImportReport report;
  const auto format = PaletteFormatOf(file);
  if (!format || !Readable(*format)) {
    report.status = ImportReport::Status::UnknownFormat;
    report.error = "colours are read from .gpl, .json and .txt files only: " + file.string();
    return report;
  }
  int err = 0;
  const std::optional<std::string> read = ReadWholeFile(file, err);
  if (!read) {
    report.status = ImportReport::Status::Unreadable;
    report.error = FileError(file, err);
    return report;
  }
  const std::string& text = *read;
  const PaletteReading reading = ReadPalette(*format, text, web);
  report.badLines = reading.badLines;
  if (!reading.palette) {
    report.status = ImportReport::Status::Unreadable;
    report.error = file.string() + ": not a palette of its kind";
  } else if (reading.entries.empty()) {
    report.status = ImportReport::Status::NoColour;
    report.error = file.string() + ": no colour in it";
  } else {
    const ImportCounts counts = archive.Import(reading.entries);
    report.imported = counts.imported;
    report.alreadySaved = counts.alreadySaved;
  }
  return report;
}

std::string ExportReport::Summary() const {
  return ok ? Count(exported, "colour", "colours") + " exported" : error;
}

ExportReport ExportPalette(const std::filesystem::path& file, const ColourArchive& archive) {
  const auto format = PaletteFormatOf(file);
  if (!format)
    return {false, 0,
            "colours are written to .gpl, .css, .json and .txt files only: " + file.string()};
  std::vector<PaletteEntry> entries;
  for (int i = 0; i < archive.Count(); ++i)
    entries.push_back({archive.Value(i) & 0xFFFFFF, archive.Name(i)});
  const WriteResult written = WriteFileAtomically(file, WritePalette(*format, entries));
  return {written.ok, written.ok ? static_cast<int>(entries.size()) : 0, written.error};
}

}  // namespace hk
