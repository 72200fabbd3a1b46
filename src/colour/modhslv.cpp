#include "colour/modhslv.h"

#include <cmath>
#include <utility>

#include "colour/numbers.h"

namespace hk {

float MaxHue = 240.0f;

namespace {

MessageSink& Sink() {
  static MessageSink sink;
  return sink;
}

std::int32_t ToChannel(float unit) {
  return static_cast<std::int32_t>(RoundHalfEven(static_cast<double>(unit) * 255.0));
}

// Hue of normalised channels with largest mx and spread d (d > 0).
float HueOf(float r, float g, float b, float mx, float d) {
  // Every difference is taken in double, from the single-precision channels.
  const double h6 = MaxHue / 6.0;
  float hue;
  if (r == mx) {
    hue = static_cast<float>(RoundHalfEven((static_cast<double>(g) - b) * h6 / d));
    if (hue < 0.0f) hue += MaxHue;
    hue += 0.0f;  // a small negative quotient rounds to -0; show it as 0
  } else if (g == mx) {
    hue = static_cast<float>((static_cast<double>(b) - r) * h6 / d + MaxHue / 3.0);
  } else {
    hue = static_cast<float>((static_cast<double>(r) - g) * h6 / d + 2.0 * MaxHue / 3.0);
  }
  return hue;
}

float Unit(std::int32_t channel) { return static_cast<float>(channel / 255.0); }

}  // namespace

void SetMessageSink(MessageSink sink) { Sink() = std::move(sink); }

float Max3(const float& a, const float& b, const float& c) {
  const float ab = a > b ? a : b;
  return ab > c ? ab : c;
}

float Min3(const float& a, const float& b, const float& c) {
  const float ab = a < b ? a : b;
  return ab < c ? ab : c;
}

void RGBToHSL(const std::int32_t& red, const std::int32_t& green, const std::int32_t& blue,
              float& hue, float& saturation, float& lightness) {
  const float r = Unit(red), g = Unit(green), b = Unit(blue);
  hue = saturation = lightness = 0.0f;
  const float mx = Max3(r, g, b);
  const float mn = Min3(r, g, b);
  const float l = static_cast<float>((static_cast<double>(mx) + mn) / 2.0);
  if (mx != mn) {
    const double spread = static_cast<double>(mx) - mn;
    saturation = static_cast<float>(l <= 0.5f ? spread / (static_cast<double>(mx) + mn)
                                              : spread / (2.0 - mx - mn));
    hue = HueOf(r, g, b, mx, static_cast<float>(spread));
  }
  saturation = static_cast<float>(saturation * 240.0);
  lightness = static_cast<float>(l * 240.0);
}

void RGBToHSV(const std::int32_t& red, const std::int32_t& green, const std::int32_t& blue,
              float& hue, float& saturation, float& value) {
  const float r = Unit(red), g = Unit(green), b = Unit(blue);
  hue = saturation = value = 0.0f;
  const float mx = Max3(r, g, b);
  const float mn = Min3(r, g, b);
  if (mx != mn) hue = HueOf(r, g, b, mx, static_cast<float>(static_cast<double>(mx) - mn));
  if (mx != 0.0f) saturation = static_cast<float>((static_cast<double>(mx) - mn) / mx);
  value = mx;
  saturation = static_cast<float>(saturation * 240.0);
  value = static_cast<float>(value * 240.0);
}

void HSLToRGB(float hue, float saturation, float lightness, std::int32_t& red,
              std::int32_t& green, std::int32_t& blue) {
  const float l = static_cast<float>(lightness / 240.0);
  const float s = static_cast<float>(saturation / 240.0);
  const float t2 = static_cast<float>(l < 0.5f ? static_cast<double>(l) * (1.0 + s)
                                               : static_cast<double>(l) + s - static_cast<double>(l) * s);
  const float t1 = static_cast<float>(2.0 * l - t2);
  const float h = static_cast<float>(static_cast<double>(hue) / MaxHue);

  constexpr float kSixth = 1.0f / 6.0f;
  constexpr float kHalf = 0.5f;
  constexpr float kTwoThirds = 2.0f / 3.0f;
  auto channel = [&](double offset) {
    float t = static_cast<float>(h + offset);
    if (t < 0.0f) {
      t += 1.0f;
    } else if (t > 1.0f) {
      t -= 1.0f;
    }
    float v;
    if (t < kSixth) {
      v = static_cast<float>(t1 + (static_cast<double>(t2) - t1) * 6.0 * t);
    } else if (t < kHalf) {
      v = t2;
    } else if (t < kTwoThirds) {
      v = static_cast<float>(t1 + (static_cast<double>(t2) - t1) * 6.0 * (2.0 / 3.0 - t));
    } else {
      v = t1;
    }
    return ToChannel(v);
  };
  red = channel(1.0 / 3.0);
  green = channel(0.0);
  blue = channel(-1.0 / 3.0);
}

void HSVToRGB(float hue, float saturation, float value, std::int32_t& red,
              std::int32_t& green, std::int32_t& blue) {
  const float v = static_cast<float>(value / 240.0);
  const float s = static_cast<float>(saturation / 240.0);
  float r = 0.0f, g = 0.0f, b = 0.0f;
  if (v == 0.0f) {
    // black
  } else if (s == 0.0f) {
    r = g = b = v;
  } else {
    const float h = static_cast<float>(static_cast<double>(hue) / (MaxHue / 6.0));
    const double fl = std::floor(static_cast<double>(h));
    const float f = static_cast<float>(h - fl);
    const float p = static_cast<float>((1.0 - s) * v);
    const float q = static_cast<float>((1.0 - static_cast<double>(f) * s) * v);
    const float t = static_cast<float>((1.0 - (1.0 - f) * static_cast<double>(s)) * v);
    const int i = (fl >= -1.0 && fl <= 6.0) ? static_cast<int>(fl) : 7;
    switch (i) {
      case -1: r = v; g = p; b = q; break;
      case 0: r = v; g = t; b = p; break;
      case 1: r = q; g = v; b = p; break;
      case 2: r = p; g = v; b = t; break;
      case 3: r = p; g = q; b = v; break;
      case 4: r = t; g = p; b = v; break;
      case 5: r = v; g = p; b = q; break;
      case 6: r = v; g = t; b = p; break;
      default:
        if (Sink()) Sink()(kHSVFailureMessage);
        red = green = blue = 0;
        return;
    }
  }
  red = ToChannel(r);
  green = ToChannel(g);
  blue = ToChannel(b);
}

}  // namespace hk
