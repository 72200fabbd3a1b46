#include "archive/palettefile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>

#include "archive/jsonvalue.h"
#include "colour/notations.h"
#include "colour/webcolors.h"

namespace hk {

namespace {

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// The lines of a text, ended by LF, CR LF or CR alone, a byte order mark at the start
// dropped.
std::vector<std::string_view> Lines(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = std::min(text.find_first_of("\r\n"), text.size());
    lines.push_back(text.substr(0, end));
    text.remove_prefix(text.substr(end).starts_with("\r\n") ? end + 2
                                                            : std::min(end + 1, text.size()));
  }
  return lines;
}

// A name on one line of a line-based file: line breaks become blanks.
std::string OneLine(std::string_view name) {
  std::string out(name);
  std::replace_if(
      out.begin(), out.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return out;
}

std::string JsonString(std::string_view s) {
  std::string out = "\"";
  for (const char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// The name as a CSS custom property: lower case, blanks as "-", only letters, digits,
// "-" and "_" kept; "colour" when nothing is left.
std::string Identifier(std::string_view name) {
  std::string id;
  for (const char c : Lower(name)) {
    if (c == ' ') {
      id += '-';
    } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_') {
      id += c;
    }
  }
  return id.empty() ? "colour" : id;
}

// Three whole numbers 0-255 separated by blanks, then an optional name.
std::optional<PaletteEntry> GplColour(std::string_view line) {
  int channels[3] = {};
  for (int& channel : channels) {
    line = Trim(line);
    std::size_t digits = 0;
    while (digits < line.size() && digits < 4 && line[digits] >= '0' && line[digits] <= '9')
      ++digits;
    if (digits == 0 || digits > 3) return std::nullopt;
    if (digits < line.size() && line[digits] != ' ' && line[digits] != '\t') return std::nullopt;
    channel = std::stoi(std::string(line.substr(0, digits)));
    if (channel > 255) return std::nullopt;
    line.remove_prefix(digits);
  }
  return PaletteEntry{RGB(channels[0], channels[1], channels[2]), std::string(Trim(line))};
}

PaletteReading ReadGpl(std::string_view text) {
  PaletteReading r;
  const auto lines = Lines(text);
  if (lines.empty() || Trim(lines[0]) != "GIMP Palette") return {false, {}, {}};
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string_view line = Trim(lines[i]);
    if (line.empty() || line.starts_with('#') || line.starts_with("Name:") ||
        line.starts_with("Columns:"))
      continue;
    if (auto entry = GplColour(line)) {
      r.entries.push_back(std::move(*entry));
    } else {
      r.badLines.push_back(static_cast<int>(i) + 1);
    }
  }
  return r;
}

std::optional<LongColour> JsonColour(const JsonValue& item) {
  if (const JsonValue* hex = item.Member("hex"); hex && hex->String())
    return ReadWeb(*hex->String());
  const JsonValue* rgb = item.Member("rgb");
  const JsonValue::Array* channels = rgb ? rgb->Items() : nullptr;
  if (channels == nullptr || channels->size() != 3) return std::nullopt;
  int c[3] = {};
  for (int i = 0; i < 3; ++i) {
    const double* v = (*channels)[static_cast<std::size_t>(i)].Number();
    if (v == nullptr || *v < 0 || *v > 255 || *v != static_cast<int>(*v)) return std::nullopt;
    c[i] = static_cast<int>(*v);
  }
  return RGB(c[0], c[1], c[2]);
}

PaletteReading ReadJson(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  const std::optional<JsonValue> document = ParseJson(text);
  const JsonValue::Array* items = document ? document->Items() : nullptr;
  if (items == nullptr) return {false, {}, {}};
  PaletteReading r;
  for (const JsonValue& item : *items) {
    const std::optional<LongColour> colour = JsonColour(item);
    if (!colour) {
      r.badLines.push_back(item.line);
      continue;
    }
    const JsonValue* name = item.Member("name");
    r.entries.push_back({*colour & 0xFFFFFF, name && name->String() ? *name->String() : ""});
  }
  return r;
}

PaletteReading ReadTxt(std::string_view text, const WebColors& web) {
  PaletteReading r;
  const auto lines = Lines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (Trim(lines[i]).empty()) continue;
    const auto tab = lines[i].find('\t');
    const std::string_view notation = lines[i].substr(0, tab);
    if (const auto colour = ReadAnyNotation(notation, web)) {
      const std::string_view name = tab == std::string_view::npos ? "" : lines[i].substr(tab + 1);
      r.entries.push_back({*colour & 0xFFFFFF, std::string(Trim(name))});
    } else {
      r.badLines.push_back(static_cast<int>(i) + 1);
    }
  }
  return r;
}

}  // namespace

std::optional<PaletteFormat> PaletteFormatOf(const std::filesystem::path& file) {
  const std::string suffix = Lower(file.extension().string());
  if (suffix == ".gpl") return PaletteFormat::Gpl;
  if (suffix == ".css") return PaletteFormat::Css;
  if (suffix == ".json") return PaletteFormat::Json;
  if (suffix == ".txt") return PaletteFormat::Txt;
  return std::nullopt;
}

bool Readable(PaletteFormat format) { return format != PaletteFormat::Css; }

std::optional<LongColour> ReadAnyNotation(std::string_view text, const WebColors& web) {
  text = Trim(text);
  const std::string lower = Lower(text);
  const auto commas = std::count(text.begin(), text.end(), ',');
  const auto inks = [&]() -> std::optional<LongColour> {
    const auto r = ReadCMYK(text);
    return r ? std::optional(r->colour) : std::nullopt;
  };
  if (text.empty()) return std::nullopt;
  if (text.starts_with('#')) return ReadWeb(text);
  if (lower.starts_with("cmyk") || (commas == 3 && !lower.starts_with("rgb"))) return inks();
  if (lower.starts_with("rgb") || commas == 2) return ReadRGB(text);
  if (std::all_of(lower.begin(), lower.end(), [](char c) { return c >= 'a' && c <= 'z'; })) {
    if (const auto i = ReadHtmlName(text, web)) return web.ColourAt(*i);
  }
  const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
  if (!digits.empty() &&
      std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return ReadLong(text);
  return ReadHex(text);
}

std::string WritePalette(PaletteFormat format, const std::vector<PaletteEntry>& entries) {
  std::string out;
  char line[64];
  const auto channels = [](LongColour c) { return std::array{RedOf(c), GreenOf(c), BlueOf(c)}; };
  switch (format) {
    case PaletteFormat::Gpl:
      out = "GIMP Palette\nName: Hue Keeper\n#\n";
      for (const auto& [colour, name] : entries) {
        const auto [r, g, b] = channels(colour);
        std::snprintf(line, sizeof line, "%3d %3d %3d\t", r, g, b);
        out += line + OneLine(name) + "\n";
      }
      break;
    case PaletteFormat::Css: {
      out = ":root {\n";
      std::set<std::string> taken;
      for (const auto& [colour, name] : entries) {
        std::string id = Identifier(name);
        for (int n = 2; !taken.insert(id).second; ++n)
          id = Identifier(name) + "-" + std::to_string(n);
        std::string comment = OneLine(name);
        for (std::size_t at; (at = comment.find("*/")) != std::string::npos;)
          comment.insert(at + 1, " ");
        out += "  --" + id + ": " + WebText(colour) + "; /* " + comment + " */\n";
      }
      out += "}\n";
      break;
    }
    case PaletteFormat::Json:
      out = "[";
      for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto [r, g, b] = channels(entries[i].colour);
        std::snprintf(line, sizeof line, "\", \"rgb\": [%d, %d, %d]}", r, g, b);
        out += (i ? ",\n  " : "\n  ") + std::string("{\"name\": ") + JsonString(entries[i].name) +
               ", \"hex\": \"" + WebText(entries[i].colour) + line;
      }
      out += entries.empty() ? "]\n" : "\n]\n";
      break;
    case PaletteFormat::Txt:
      for (const auto& [colour, name] : entries)
        out += WebText(colour) + "\t" + OneLine(name) + "\n";
      break;
  }
  return out;
}

PaletteReading ReadPalette(PaletteFormat format, std::string_view text, const WebColors& web) {
  switch (format) {
    case PaletteFormat::Gpl:
      return ReadGpl(text);
    case PaletteFormat::Json:
      return ReadJson(text);
    case PaletteFormat::Txt:
      return ReadTxt(text, web);
    case PaletteFormat::Css:
      break;
  }
  return {false, {}, {}};
}

}  // namespace hk
