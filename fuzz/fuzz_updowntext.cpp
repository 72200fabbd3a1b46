// The spin control's rules under any sequence of keys, mouse events, ticks,
// pastes, limits and sizes, with a host that reloads the value from its
// ValueChanged handler as the main window does.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "updowntext/updowntextmodel.h"

namespace {

struct Host : hk::UpDownTextHost {
  hk::UpDownTextModel* model = nullptr;
  int reload = 0;  // 0: leave the value; otherwise SetValue(value + reload - 2)
  int depth = 0;
  void RaiseValueChanged() override {
    if (reload == 0 || depth > 2) return;
    ++depth;
    model->SetValue(model->value() + reload - 2);
    --depth;
  }
  void RaiseKeyDown(std::int16_t& keyCode, std::int16_t&) override {
    if (keyCode == 0x7F) keyCode = 0;
  }
  int TextWidth(std::string_view text) override { return 105 * static_cast<int>(text.size()); }
  int TextHeight(std::string_view) override { return 210; }
};

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool More() const { return pos_ < size_; }
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  int Int16() { return static_cast<std::int16_t>(Byte() | (Byte() << 8)); }
  std::string_view Text() {
    const std::size_t n = Byte() % 24;
    const std::size_t take = n < size_ - pos_ ? n : size_ - pos_;
    const std::string_view t(reinterpret_cast<const char*>(data_ + pos_), take);
    pos_ += take;
    return t;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

void Check(const hk::UpDownTextModel& m) {
  if (m.CursorPos() > m.ValueText().size()) std::abort();
  if (m.PressedButton() > 2 || m.HitButton() > 2) std::abort();
  if (m.UpAtLimit() && m.UpShownPressed()) std::abort();  // a button at its limit shows raised
  if (m.DownAtLimit() && m.DownShownPressed()) std::abort();
  const hk::UpDownPicture p = m.Picture();
  for (const hk::TwipFill& f : p.overText) {
    if (f.w < 0 || f.h < 0) std::abort();
  }
  if (p.text.size() > m.ValueText().size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Host host;
  hk::UpDownTextModel m(host);
  host.model = &m;
  Reader in(data, size);
  host.reload = in.Byte() % 5;
  m.Shown();
  for (int step = 0; step < 200 && in.More(); ++step) {
    bool accepted = false;
    switch (in.Byte() % 14) {
      case 0: m.KeyPressed(static_cast<std::int16_t>(in.Int16()), 0); break;
      case 1: m.KeyPressed(static_cast<std::int16_t>('0' + in.Byte() % 10), 0); break;
      case 2: m.KeyPressed(static_cast<std::int16_t>(in.Byte() % 50), 0); break;
      case 3: m.KeyReleased(0, 0); break;
      case 4:
        m.MousePressed(static_cast<std::int16_t>(1 << (in.Byte() % 3)), 0,
                       static_cast<float>(in.Int16()), static_cast<float>(in.Int16()));
        break;
      case 5:
        m.MouseMoved(1, 0, static_cast<float>(in.Int16()), static_cast<float>(in.Int16()));
        break;
      case 6:
        m.MouseReleased(static_cast<std::int16_t>(1 << (in.Byte() % 3)), 0,
                        static_cast<float>(in.Int16()), static_cast<float>(in.Int16()));
        m.Clicked();
        break;
      case 7: m.TimerTick(); break;
      case 8: m.Paste(in.Text()); break;
      case 9: m.SetMin(in.Int16()); break;
      case 10: m.SetMax(in.Int16()); break;
      case 11: accepted = m.SetValue(in.Int16()); break;
      case 12: {
        const int w = in.Int16() & 0x7FFF, h = in.Int16() & 0x7FFF;
        m.Resized(hk::UpDownTextModel::RuleWidth(w), hk::UpDownTextModel::RuleHeight(h));
        break;
      }
      case 13:
        if (in.Byte() & 1)
          m.FocusIn();
        else
          m.FocusOut();
        m.SetBorderType(in.Byte() % 3);
        break;
    }
    if (accepted && host.reload == 0 && (m.value() < m.Min() || m.value() > m.Max())) {
      std::abort();  // an accepted value lies within the limits it was checked against
    }
    Check(m);
  }
  return 0;
}
