#include "colour/ansitext.h"

#include <iconv.h>

#include <cerrno>

namespace hk {

namespace {

// One conversion descriptor per direction, opened on first use and kept.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (Ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as it can; stops at an unconvertible sequence. Returns the
  // number of input bytes consumed.
  std::size_t Run(std::string_view in, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    while (srcLeft > 0) {
      char buf[256];
      char* dst = buf;
      std::size_t dstLeft = sizeof buf;
      const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buf, static_cast<std::size_t>(dst - buf));
      if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) break;
    }
    return in.size() - srcLeft;
  }

 private:
  iconv_t cd_;
};

// Length of the UTF-8 sequence that starts with `lead`, or 1 for a stray byte.
std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

}  // namespace

std::string ToAnsi(std::string_view utf8) {
  static thread_local Converter conv("WINDOWS-1252", "UTF-8");
  std::string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    const std::size_t used = conv.Ok() ? conv.Run(utf8, out) : 0;
    utf8.remove_prefix(used);
    if (utf8.empty()) break;
    const auto lead = static_cast<unsigned char>(utf8.front());
    if (!conv.Ok() && lead < 0x80) {
      out += static_cast<char>(lead);
      utf8.remove_prefix(1);
      continue;
    }
    // The five unassigned bytes come back from FromAnsi as C1 controls.
    if (lead == 0xC2 && utf8.size() >= 2) {
      const auto second = static_cast<unsigned char>(utf8[1]);
      if (second == 0x81 || second == 0x8D || second == 0x8F || second == 0x90 ||
          second == 0x9D) {
        out += static_cast<char>(second);
        utf8.remove_prefix(2);
        continue;
      }
    }
    // Skip one whole character (or one stray byte) and stand "?" in for it.
    std::size_t skip = Utf8Length(lead);
    for (std::size_t i = 1; i < skip; ++i) {
      if (i >= utf8.size() || (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
        skip = i;
        break;
      }
    }
    out += '?';
    utf8.remove_prefix(skip);
  }
  return out;
}

std::string FromAnsi(std::string_view ansi) {
  static thread_local Converter conv("UTF-8", "WINDOWS-1252");
  std::string out;
  out.reserve(ansi.size() + ansi.size() / 2);
  while (!ansi.empty()) {
    const std::size_t used = conv.Ok() ? conv.Run(ansi, out) : 0;
    ansi.remove_prefix(used);
    if (ansi.empty()) break;
    // An unassigned byte (0x81, 0x8D, 0x8F, 0x90, 0x9D): the C1 control of its value.
    const auto b = static_cast<unsigned char>(ansi.front());
    if (b < 0x80) {
      out += static_cast<char>(b);
    } else {
      out += static_cast<char>(0xC0 | (b >> 6));
      out += static_cast<char>(0x80 | (b & 0x3F));
    }
    ansi.remove_prefix(1);
  }
  return out;
}

}  // namespace hk
