#include "updowntext/updowntextprops.h"

#include <cctype>
#include <cmath>
#include <limits>

namespace hk {

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return out;
}

bool Fits16(std::int32_t n) {
  return n >= std::numeric_limits<std::int16_t>::min() &&
         n <= std::numeric_limits<std::int16_t>::max();
}

// Each reader takes the stored value when it has the property's type and range,
// else the default.
std::int32_t Read32(const PropertyBag& bag, std::string_view name, std::int32_t def) {
  const auto v = bag.ReadProperty(name);
  if (v) {
    if (const auto* n = std::get_if<std::int32_t>(&*v)) return *n;
  }
  return def;
}

std::int16_t Read16(const PropertyBag& bag, std::string_view name, std::int16_t def) {
  const std::int32_t n = Read32(bag, name, def);
  return Fits16(n) ? static_cast<std::int16_t>(n) : def;
}

bool ReadBool(const PropertyBag& bag, std::string_view name, bool def) {
  const auto v = bag.ReadProperty(name);
  if (v) {
    if (const auto* b = std::get_if<bool>(&*v)) return *b;
  }
  return def;
}

FontSpec ReadFont(const PropertyBag& bag, std::string_view name, const FontSpec& def) {
  const auto v = bag.ReadProperty(name);
  if (v) {
    if (const auto* f = std::get_if<FontSpec>(&*v)) {
      if (!f->name.empty() && f->points > 0 && std::isfinite(f->points)) return *f;
    }
  }
  return def;
}

template <typename T>
void WriteIfNotDefault(PropertyBag& bag, std::string_view name, const T& value, const T& def) {
  if (!(value == def)) bag.WriteProperty(name, PropertyValue(value));
}

}  // namespace

std::optional<PropertyValue> MemoryPropertyBag::ReadProperty(std::string_view name) const {
  const std::string key = Lower(name);
  for (const auto& [k, v] : entries_) {
    if (k == key) return v;
  }
  return std::nullopt;
}

void MemoryPropertyBag::WriteProperty(std::string_view name, const PropertyValue& value) {
  const std::string key = Lower(name);
  for (auto& [k, v] : entries_) {
    if (k == key) {
      v = value;
      return;
    }
  }
  entries_.emplace_back(key, value);
}

UpDownTextProperties ReadUpDownTextProperties(const PropertyBag& bag, const FontSpec& ambientFont) {
  const UpDownTextProperties d;
  UpDownTextProperties p;
  p.backColor = Read32(bag, "BackColor", d.backColor);
  p.foreColor = Read32(bag, "ForeColor", d.foreColor);
  p.enabled = ReadBool(bag, "Enabled", d.enabled);
  p.font = ReadFont(bag, "Font", ambientFont);
  p.backStyle = Read16(bag, "BackStyle", d.backStyle);
  p.borderType = Read16(bag, "BorderType", static_cast<std::int16_t>(d.borderType));
  p.borderColor1 = Read32(bag, "BorderColor1", d.borderColor1);
  p.borderColor2 = Read32(bag, "BorderColor2", d.borderColor2);
  p.min = Read16(bag, "Min", d.min);
  p.max = Read16(bag, "Max", d.max);
  p.value = Read16(bag, "Value", d.value);
  p.borderColor3 = Read32(bag, "BorderColor3", d.borderColor3);
  p.borderColor4 = Read32(bag, "BorderColor4", d.borderColor4);
  p.buttonColor = Read32(bag, "ButtonColor", d.buttonColor);
  p.btnForecolor = Read32(bag, "BtnForecolor", d.btnForecolor);
  p.cursorColor = Read32(bag, "CursorColor", d.cursorColor);
  const std::int16_t blink =
      Read16(bag, "BlinkInterval", static_cast<std::int16_t>(d.blinkInterval));
  p.blinkInterval = blink >= 0 ? blink : d.blinkInterval;
  return p;
}

void WriteUpDownTextProperties(PropertyBag& bag, const UpDownTextProperties& p,
                               const FontSpec& ambientFont) {
  const UpDownTextProperties d;
  WriteIfNotDefault(bag, "BackColor", p.backColor, d.backColor);
  WriteIfNotDefault(bag, "ForeColor", p.foreColor, d.foreColor);
  WriteIfNotDefault(bag, "Enabled", p.enabled, d.enabled);
  WriteIfNotDefault(bag, "Font", p.font, ambientFont);
  WriteIfNotDefault<std::int32_t>(bag, "BackStyle", p.backStyle, d.backStyle);
  // The store holds 16 bits; every type but 1 draws the thin frame, so a type
  // beyond 16 bits is kept as the thin frame's 0.
  const std::int32_t borderType = Fits16(p.borderType) ? p.borderType : 0;
  WriteIfNotDefault(bag, "BorderType", borderType, d.borderType);
  WriteIfNotDefault(bag, "BorderColor1", p.borderColor1, d.borderColor1);
  WriteIfNotDefault(bag, "BorderColor2", p.borderColor2, d.borderColor2);
  WriteIfNotDefault<std::int32_t>(bag, "Min", p.min, d.min);
  WriteIfNotDefault<std::int32_t>(bag, "Max", p.max, d.max);
  WriteIfNotDefault<std::int32_t>(bag, "Value", p.value, d.value);
  WriteIfNotDefault(bag, "BorderColor3", p.borderColor3, d.borderColor3);
  WriteIfNotDefault(bag, "BorderColor4", p.borderColor4, d.borderColor4);
  WriteIfNotDefault(bag, "ButtonColor", p.buttonColor, d.buttonColor);
  WriteIfNotDefault(bag, "BtnForecolor", p.btnForecolor, d.btnForecolor);
  WriteIfNotDefault(bag, "CursorColor", p.cursorColor, d.cursorColor);
  WriteIfNotDefault(bag, "BlinkInterval", p.blinkInterval, d.blinkInterval);
}

int ExtentToTwips(int hundredthsOfMillimetre) {
  // 2540 hundredths of a millimetre make an inch of 1440 twips.
  return static_cast<int>(std::lround(hundredthsOfMillimetre * 1440.0 / 2540.0));
}

}  // namespace hk
