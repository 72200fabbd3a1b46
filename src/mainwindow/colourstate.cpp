#include "mainwindow/colourstate.h"

#include "colour/modhslv.h"
#include "colour/numbers.h"

namespace hk {

namespace {
int Whole(float v) { return static_cast<int>(RoundHalfEven(static_cast<double>(v))); }
}  // namespace

EditorSetup SetupFor(int mode) {
  const int hueMax = static_cast<int>(MaxHue);
  switch (mode) {
    case kModeCMY:
      return {{"&Cyan", "&Magenta", "&Yellow"}, {255, 255, 255}, false, false, false};
    case kModeCMYK:
      return {{"&Cyan", "&Magenta", "&Yellow"}, {255, 255, 255}, true, false, false};
    case kModeHSL:
      return {{"&Hue", "&Sat", "&Lum"}, {hueMax, 240, 240}, false, true, false};
    case kModeHSV:
      return {{"&Hue", "&Sat", "&Value"}, {hueMax, 240, 240}, false, true, false};
    default:
      return {{"Red", "&Green", "&Blue"}, {255, 255, 255}, false, false, true};
  }
}

void ColourState::SetChannels(LongColour colour) {
  cRGB record;
  record.setRGB(colour);
  red = record.R();
  green = record.G();
  blue = record.B();
}

void ColourState::ComputeCMYK() { RGBToCMYK(red, green, blue, cmyk.c, cmyk.m, cmyk.y, cmyk.k); }

int ColourState::EditorValues(int mode, std::array<int, 4>& out) {
  switch (mode) {
    case kModeRGB:
      out = {red, green, blue, out[3]};
      return 3;
    case kModeCMY:
      RGBToCMY(red, green, blue, cmy[0], cmy[1], cmy[2]);
      out = {cmy[0], cmy[1], cmy[2], cmyk.k};
      return 3;
    case kModeCMYK:
      out = {cmyk.c, cmyk.m, cmyk.y, cmyk.k};
      return 4;
    case kModeHSL:
      RGBToHSL(red, green, blue, hsl[0], hsl[1], hsl[2]);
      out = {Whole(hsl[0]), Whole(hsl[1]), Whole(hsl[2]), out[3]};
      return 3;
    case kModeHSV:
      RGBToHSV(red, green, blue, hsv[0], hsv[1], hsv[2]);
      out = {Whole(hsv[0]), Whole(hsv[1]), Whole(hsv[2]), out[3]};
      return 3;
    default:
      return 0;
  }
}

void ColourState::CarryOver(std::optional<int> lastMode) {
  if (!lastMode) return;
  switch (*lastMode) {
    case kModeCMY: CMYToRGB(cmy[0], cmy[1], cmy[2], red, green, blue); break;
    case kModeCMYK: CMYKToRGB(cmyk.c, cmyk.m, cmyk.y, cmyk.k, red, green, blue); break;
    case kModeHSL:
    case kModeHSV: ChannelsFromHueTriple(*lastMode); break;
    default: break;
  }
}

void ColourState::ChannelsFromHueTriple(int mode) {
  if (mode == kModeHSL) HSLToRGB(hsl[0], hsl[1], hsl[2], red, green, blue);
  if (mode == kModeHSV) HSVToRGB(hsv[0], hsv[1], hsv[2], red, green, blue);
}

bool ColourState::Edit(int mode, int editor, int v) {
  if (editor < 0 || editor > 3) return false;
  if (editor == 3) {
    if (mode != kModeCMYK) return false;
    cmyk.k = v;
    CMYKToRGB(cmyk.c, cmyk.m, cmyk.y, cmyk.k, red, green, blue);
    return true;
  }
  const auto i = static_cast<std::size_t>(editor);
  switch (mode) {
    case kModeRGB: {
      std::int32_t* channel[] = {&red, &green, &blue};
      *channel[i] = v;
      return true;
    }
    case kModeCMY:
      cmy[i] = v;
      CMYToRGB(cmy[0], cmy[1], cmy[2], red, green, blue);
      return true;
    case kModeCMYK: {
      std::int32_t* ink[] = {&cmyk.c, &cmyk.m, &cmyk.y};
      *ink[i] = v;
      CMYKToRGB(cmyk.c, cmyk.m, cmyk.y, cmyk.k, red, green, blue);
      return true;
    }
    case kModeHSL:
      hsl[i] = static_cast<float>(v);
      HSLToRGB(hsl[0], hsl[1], hsl[2], red, green, blue);
      return true;
    case kModeHSV:
      hsv[i] = static_cast<float>(v);
      HSVToRGB(hsv[0], hsv[1], hsv[2], red, green, blue);
      return true;
    default:
      return false;
  }
}

}  // namespace hk
