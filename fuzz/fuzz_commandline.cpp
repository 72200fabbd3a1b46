// The command-line reader on any arguments (split at NUL bytes).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/commandline.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> args;
  for (std::size_t cut; (cut = rest.find('\0')) != std::string_view::npos;) {
    args.push_back(rest.substr(0, cut));
    rest.remove_prefix(cut + 1);
  }
  args.push_back(rest);
  const hk::CommandLine line = hk::ParseCommandLine(args);
  using Action = hk::CommandLine::Action;
  // An error always says what was wrong, and nothing else carries a message.
  if ((line.action == Action::Error) != !line.error.empty()) std::abort();
  // A pick is only ever asked for by name.
  if (line.action == Action::Pick && std::find(args.begin(), args.end(), "--pick") == args.end())
    std::abort();
  return 0;
}
