#include "mainwindow/preferences.h"

#include <iterator>
#include <vector>

#include "colour/ansitext.h"
#include "colour/numbers.h"
#include "colour/webcolors.h"
#include "platform/filewrite.h"
#include "platform/unixfile.h"

namespace hk {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The setting's number: leading number, rounded, within [lo, hi].
std::optional<std::int32_t> NumberIn(std::string_view text, std::int32_t lo, std::int32_t hi) {
  const auto v = ReadInt32(text);
  if (!v || *v < lo || *v > hi) return std::nullopt;
  return v;
}
std::optional<std::int16_t> Int16Of(std::string_view text) {
  const auto v = NumberIn(text, -32768, 32767);
  if (!v) return std::nullopt;
  return static_cast<std::int16_t>(*v);
}
std::optional<std::uint8_t> ByteOf(std::string_view text) {
  const auto v = NumberIn(text, 0, 255);
  if (!v) return std::nullopt;
  return static_cast<std::uint8_t>(*v);
}
// Only 240 and 360 are hue maximums; anything else that reads is 240.
std::optional<float> HueMaxOf(std::string_view text) {
  const auto v = ReadNumber(text);
  if (!v || *v > 3.4e38 || *v < -3.4e38) return std::nullopt;
  return RoundHalfEven(*v) == 360.0 ? 360.0f : 240.0f;
}

std::string MaxHueText(float maxHue) { return maxHue == 360.0f ? "360" : "240"; }

}  // namespace

Preferences ParsePrefFile(std::string_view bytes) {
  Preferences p;
  const std::string text = FromAnsi(bytes);
  std::string_view rest = text;
  while (!rest.empty()) {
    // One setting a line; CR LF ends a line, and so does a bare LF.
    const std::size_t eol = rest.find('\n');
    std::string_view line = rest.substr(0, eol);
    rest = eol == std::string_view::npos ? std::string_view() : rest.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t eq = line.find('=');
    if (line.empty() || eq == std::string_view::npos) continue;
    const std::string key = UpperAscii(Trim(line.substr(0, eq)));
    std::string_view value = line.substr(eq + 1);
    value = value.substr(0, value.find('='));

    bool ok = true;
    auto set16 = [&](std::int16_t& target) {
      const auto v = Int16Of(value);
      ok = v.has_value();
      if (ok) target = *v;
    };
    if (key == "TAB") {
      set16(p.CurrentTab);
    } else if (key == "CORORSIZE") {
      std::int16_t size = 0;
      set16(size);
      if (ok) p.TipSize = size;
    } else if (key == "COLORMODE") {
      set16(p.ColorMode);
    } else if (key == "DISPLAYMODE") {
      const auto v = ByteOf(value);
      ok = v.has_value();
      if (ok) p.DispMode = *v;
    } else if (key == "MAXHUE") {
      const auto v = HueMaxOf(value);
      ok = v.has_value();
      if (ok) p.MaxHue = *v;
    } else if (key == "EXPANDED") {
      const std::string state = UpperAscii(Trim(value));
      p.TableState.assign(state.find('E') != std::string::npos ? 0 : 1, 'E');
    } else if (key == "LASTUSERCOLOR") {
      set16(p.LastUserColor);
    } else if (key == "LASTWEBCOLOR") {
      set16(p.LastWebColor);
    }
    if (!ok) break;
  }
  return p;
}

std::string FormatPrefFile(const Preferences& p, std::string_view tableState) {
  std::string out;
  auto line = [&out](std::string_view key, std::string_view value) {
    out.append(key).append(value).append("\r\n");
  };
  line("TAB=", std::to_string(p.CurrentTab));
  line("CORORSIZE=", std::to_string(p.TipSize));
  line("COLORMODE=", std::to_string(p.ColorMode));
  line("DISPLAYMODE=", std::to_string(p.DispMode));
  line("MAXHUE=", MaxHueText(p.MaxHue));
  line("EXPANDED=", ToAnsi(tableState));
  line("LASTUSERCOLOR=", std::to_string(p.LastUserColor));
  line("LASTWEBCOLOR=", std::to_string(p.LastWebColor));
  return out;
}

Preferences LoadPrefFile(const std::filesystem::path& path) {
  int err = 0;
  const std::optional<std::string> bytes = ReadWholeFile(path, err);
  return bytes ? ParsePrefFile(*bytes) : Preferences{};
}

WriteResult SavePrefFile(const std::filesystem::path& path, const Preferences& prefs,
                         std::string_view tableState) {
  return WriteFileAtomically(path, FormatPrefFile(prefs, tableState));
}

StoreReading ReadUserStore(SettingsStore& store) {
  StoreReading r;
  Preferences p;
  const auto tab = Int16Of(store.Get("Tab", "0"));
  const auto size = Int16Of(store.Get("Size", "180"));
  const std::string selection = store.Get("Selecton", "1/1");
  p.TableState.assign(store.Get("Table", "").empty() ? 1 : 0, 'E');
  const auto mode = Int16Of(store.Get("ColorMode", "0"));
  const auto disp = ByteOf(store.Get("DispMode", "0"));
  if (!tab || !size || !mode || !disp) {
    r.error = "Overflow";
    return r;
  }
  p.CurrentTab = *tab;
  p.TipSize = *size;
  p.ColorMode = *mode;
  p.DispMode = *disp;
  p.MaxHue = store.Get("MaxHue", "240") == "360" ? 360.0f : 240.0f;
  if (selection.size() > 2) {
    const std::size_t slash = selection.find('/');
    if (slash != std::string::npos && selection.find('/', slash + 1) == std::string::npos) {
      const auto user = Int16Of(std::string_view(selection).substr(0, slash));
      const auto web = Int16Of(std::string_view(selection).substr(slash + 1));
      if (!user || !web) {
        r.error = "Overflow";
        return r;
      }
      p.LastUserColor = *user;
      p.LastWebColor = *web;
    }
  }
  r.prefs = p;
  return r;
}

WriteResult WriteUserStore(SettingsStore& store, const Preferences& p, std::string_view tableState,
                           const PrefDirty& dirty) {
  std::string selection = std::to_string(p.LastUserColor);
  selection += '/';
  selection += std::to_string(p.LastWebColor);
  const struct {
    bool write;
    const char* key;
    std::string value;
  } settings[] = {
      {dirty.SizeChanged, "Size", std::to_string(p.TipSize)},
      {dirty.TabChanged, "Tab", std::to_string(p.CurrentTab)},
      {dirty.TableChanged, "Table", std::string(tableState)},
      {true, "Selecton", selection},
      {dirty.ColorModeChanged, "ColorMode", std::to_string(p.ColorMode)},
      {dirty.DispModeChanged, "DispMode", std::to_string(p.DispMode)},
      {dirty.MaxHueChanged, "MaxHue", MaxHueText(p.MaxHue)},
  };
  for (const auto& s : settings) {
    if (!s.write) continue;
    WriteResult r = store.Save(s.key, s.value);
    if (!r.ok) return r;
  }
  return {};
}

}  // namespace hk
