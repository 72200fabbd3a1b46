// Any bytes as pref.ini: every setting read lies within what the start-up relies
// on, the file written from it reads back the same, and a misfit line ends the reading.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <tuple>

#include "mainwindow/preferences.h"

namespace {

auto Fields(const hk::Preferences& p) {
  return std::tuple(p.CurrentTab, p.TipSize, p.ColorMode, p.DispMode, p.MaxHue, p.TableState,
                    p.LastUserColor, p.LastWebColor);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const hk::Preferences p = hk::ParsePrefFile(bytes);
  if (p.MaxHue != 240.0f && p.MaxHue != 360.0f) std::abort();
  if (p.TableState != "" && p.TableState != "E") std::abort();
  if (p.TipSize < -32768 || p.TipSize > 32767) std::abort();  // read as a 16-bit number

  // The table state reads back inverted, so the file is written with the state
  // the start-up toggle leads to.
  const std::string written = hk::FormatPrefFile(p, p.TableState.empty() ? "E" : "");
  if (Fields(hk::ParsePrefFile(written)) != Fields(p)) std::abort();

  // Lines after one whose number does not fit change nothing.
  const std::string more = std::string(bytes) + "\nTAB=32768\r\nTAB=1\r\nMAXHUE=360\r\n";
  if (Fields(hk::ParsePrefFile(more)) != Fields(p)) std::abort();
  return 0;
}
