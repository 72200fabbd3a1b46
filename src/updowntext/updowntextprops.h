// The properties a host form stores for each UpDownText, read and written in a
// fixed order through a small property bag. A value equal to its default is not
// written, and a missing or unusable one reads as the default.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "colour/longcolour.h"

namespace hk {

// A font as a form stores it.
struct FontSpec {
  std::string name;
  double points = 8.25;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

using PropertyValue = std::variant<std::int32_t, bool, FontSpec>;

class PropertyBag {
 public:
  virtual ~PropertyBag() = default;
  // The value stored under `name` (matched without regard to case), if any.
  virtual std::optional<PropertyValue> ReadProperty(std::string_view name) const = 0;
  virtual void WriteProperty(std::string_view name, const PropertyValue& value) = 0;
};

// A bag in memory, keeping names in lower case and in the order first written.
class MemoryPropertyBag : public PropertyBag {
 public:
  std::optional<PropertyValue> ReadProperty(std::string_view name) const override;
  void WriteProperty(std::string_view name, const PropertyValue& value) override;
  const std::vector<std::pair<std::string, PropertyValue>>& Entries() const { return entries_; }

 private:
  std::vector<std::pair<std::string, PropertyValue>> entries_;
};

struct UpDownTextProperties {
  LongColour backColor = 0x00FFFFC0;
  LongColour foreColor = kSysButtonText;
  bool enabled = true;
  FontSpec font;  // the host's ambient font unless stored
  std::int16_t backStyle = 1;
  std::int32_t borderType = 0;
  LongColour borderColor1 = 0x00686868;
  LongColour borderColor2 = 0x00686868;
  std::int16_t min = 0;
  std::int16_t max = 100;
  std::int16_t value = 0;
  LongColour borderColor3 = 0x00FFFF80;
  LongColour borderColor4 = 0x00808080;
  LongColour buttonColor = 0x00C0C0C0;
  LongColour btnForecolor = 0;
  LongColour cursorColor = 0;
  std::int32_t blinkInterval = 333;

  friend bool operator==(const UpDownTextProperties&, const UpDownTextProperties&) = default;
};

// Reads every property in order; `ambientFont` is the host's font, the default of "Font".
UpDownTextProperties ReadUpDownTextProperties(const PropertyBag& bag, const FontSpec& ambientFont);
// Writes in the same order, leaving out every value equal to its default.
void WriteUpDownTextProperties(PropertyBag& bag, const UpDownTextProperties& p,
                               const FontSpec& ambientFont);

// A size kept by a form in hundredths of a millimetre, in twips.
int ExtentToTwips(int hundredthsOfMillimetre);

}  // namespace hk
