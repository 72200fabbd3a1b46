// The per-user settings store as the preferences see it: text under a key of the
// "Preference" section, written through to the disk.
#pragma once

#include <string>
#include <string_view>

#include "platform/filewrite.h"

namespace hk {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The text under `key` of the "Preference" section, or `fallback` when absent.
  virtual std::string Get(std::string_view key, std::string_view fallback) = 0;
  // Writes the setting through to the disk; a failure names the store's file and why.
  virtual WriteResult Save(std::string_view key, std::string_view value) = 0;
};

}  // namespace hk
