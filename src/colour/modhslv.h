// Conversions between red-green-blue channels and the cylinder models HSL and HSV.
// Hue runs from 0 to the program-wide hue maximum (240 or 360); saturation,
// lightness and value always run 0-240. Intermediate values are single floats.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace hk {

// The program-wide hue maximum, 240 or 360.
extern float MaxHue;

// Where the conversions send a message for the user. The window installs a sink
// that shows a message box; without one the message goes nowhere.
using MessageSink = std::function<void(std::string_view)>;
void SetMessageSink(MessageSink sink);

inline constexpr std::string_view kHSVFailureMessage = "Unable to convert HSV to RGB!";

float Max3(const float& a, const float& b, const float& c);
float Min3(const float& a, const float& b, const float& c);

void RGBToHSL(const std::int32_t& red, const std::int32_t& green, const std::int32_t& blue,
              float& hue, float& saturation, float& lightness);
void RGBToHSV(const std::int32_t& red, const std::int32_t& green, const std::int32_t& blue,
              float& hue, float& saturation, float& value);
void HSLToRGB(float hue, float saturation, float lightness, std::int32_t& red,
              std::int32_t& green, std::int32_t& blue);
void HSVToRGB(float hue, float saturation, float value, std::int32_t& red,
              std::int32_t& green, std::int32_t& blue);

}  // namespace hk
