#include "archive/palettecommand.h"

#include <QFile>
#include <cstdio>

#include "archive/colourarchive.h"
#include "archive/palettefile.h"
#include "archive/palettetransfer.h"
#include "colour/webcolors.h"
#include "platform/commandline.h"
#include "platform/programfolder.h"
#include "platform/singleinstance.h"

namespace hk {

namespace {

int Usage(const std::string& why) {
  std::fprintf(stderr, "huekeeper: %s\n\n%s", why.c_str(), kUsage);
  return kExitFailed;
}

int Print(const CommandOutput& output) {
  std::fputs(output.out.c_str(), stdout);
  std::fputs(output.err.c_str(), stderr);
  return output.status;
}

}  // namespace

CommandOutput ImportCommand(const std::filesystem::path& file, ColourArchive& archive,
                            const WebColors& web) {
  const ImportReport report = ImportPalette(file, archive, web);
  CommandOutput output;
  for (const int line : report.badLines)
    output.err +=
        "huekeeper: " + file.string() + ", line " + std::to_string(line) + ": not a colour\n";
  if (report.status == ImportReport::Status::Read) {
    output.out = report.Summary() + "\n";
  } else {
    output.status =
        report.status == ImportReport::Status::UnknownFormat ? kExitFailed : kExitNotDone;
    output.err += "huekeeper: " + report.Summary() + "\n";
  }
  return output;
}

std::string EncodeOutput(const CommandOutput& output) {
  return std::to_string(output.status) + " " + std::to_string(output.out.size()) + "\n" +
         output.out + output.err;
}

CommandOutput DecodeOutput(const std::string& answer) {
  CommandOutput output{kExitNotDone, {}, "huekeeper: the running Hue Keeper did not answer\n"};
  const auto end = answer.find('\n');
  int status = 0;
  std::size_t outSize = 0;
  if (end == std::string::npos || std::sscanf(answer.c_str(), "%d %zu", &status, &outSize) != 2 ||
      outSize > answer.size() - end - 1)
    return output;
  return {status, answer.substr(end + 1, outSize), answer.substr(end + 1 + outSize)};
}

int RunPaletteCommand(const CommandLine& line, const QString& executableFolder) {
  const std::filesystem::path file = std::filesystem::absolute(line.file);
  const auto format = PaletteFormatOf(file);
  const bool importing = line.action == CommandLine::Action::Import;
  if (!format || (importing && !Readable(*format)))
    return Usage(std::string(importing
                                 ? "colours are read from .gpl, .json and .txt files"
                                 : "colours are written to .gpl, .css, .json and .txt files") +
                 ", not from '" + line.file + "'");
  if (importing &&
      (qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))) {
    // The window running on this display adds the colours itself: its save at exit would
    // otherwise write its own lists over what was added behind its back.
    SingleInstance running;
    if (const auto answer = running.Ask("import\n" + file.string() + "\n"); answer)
      return Print(DecodeOutput(*answer));
  }

  const std::filesystem::path archiveFile =
      std::filesystem::path(
          QFile::encodeName(ChooseProgramFolder(executableFolder).path).toStdString()) /
      kArchiveFileName;
  ColourArchive archive;
  const LoadResult loaded = archive.LoadColors(archiveFile);
  if (loaded.status == LoadStatus::ReadError)
    return Print({kExitNotDone,
                  {},
                  "huekeeper: the saved colors could not be read: " + loaded.error + "\n"});
  if (!importing) {
    const ExportReport report = ExportPalette(file, archive);
    return report.ok ? Print({kExitDone, report.Summary() + "\n", {}})
                     : Print({kExitNotDone, {}, "huekeeper: " + report.Summary() + "\n"});
  }
  CommandOutput output = ImportCommand(file, archive, WebColors());
  if (output.status == kExitDone) {
    if (const SaveResult saved = archive.Save(archiveFile); !saved.ok)
      output = {
          kExitNotDone,
          {},
          output.err + "huekeeper: the saved colors could not be written: " + saved.error + "\n"};
  }
  return Print(output);
}

}  // namespace hk
