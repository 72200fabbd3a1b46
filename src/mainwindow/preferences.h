// The window settings kept between runs: the "pref.ini" file beside the program,
// or the per-user settings store when the program is installed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/filewrite.h"
#include "platform/settings.h"

namespace hk {

struct Preferences {
  std::int16_t CurrentTab = 0;  // 1 web colours, anything else saved colours
  std::int32_t TipSize = 180;   // colour tip size in twips
  std::int16_t ColorMode = 0;
  std::uint8_t DispMode = 0;
  float MaxHue = 240.0f;
  // The table state as read, already inverted for the start-up toggle: "" makes
  // the toggle expand the table, "E" collapse it.
  std::string TableState;
  std::int16_t LastUserColor = 1;
  std::int16_t LastWebColor = 1;
};

// Which settings changed during the run; only the per-user store looks at them.
struct PrefDirty {
  bool SizeChanged = false;
  bool TabChanged = false;
  bool TableChanged = false;
  bool ColorModeChanged = false;
  bool DispModeChanged = false;
  bool MaxHueChanged = false;
};

// ---- pref.ini ----
// Reads the file's bytes over the defaults. A line whose number does not fit its
// setting ends the reading: earlier lines keep their effect.
Preferences ParsePrefFile(std::string_view bytes);
// The eight KEY=value lines, each ended by CR LF. `tableState` is the current
// table state, "E" expanded or "" collapsed.
std::string FormatPrefFile(const Preferences& prefs, std::string_view tableState);
// A missing or unreadable file gives the defaults.
Preferences LoadPrefFile(const std::filesystem::path& path);
// Writes the file whole or not at all; a failure says why.
WriteResult SavePrefFile(const std::filesystem::path& path, const Preferences& prefs,
                         std::string_view tableState);

// ---- the per-user store ----
// Reads the store; a number that does not fit its setting is an error, reported
// as its description (the start-up shows it and stops).
struct StoreReading {
  std::optional<Preferences> prefs;
  std::string error;
};
StoreReading ReadUserStore(SettingsStore& store);
// Writes the changed settings and always the selection; stops at the first
// failed write and returns its failure.
WriteResult WriteUserStore(SettingsStore& store, const Preferences& prefs,
                           std::string_view tableState, const PrefDirty& dirty);

}  // namespace hk
