// The per-user settings store: application "Hue Keeper", section "Preference".
#pragma once

#include <QSettings>

#include "platform/settings.h"

namespace hk {

class QtSettingsStore : public SettingsStore {
 public:
  explicit QtSettingsStore(const QString& application = QStringLiteral("Hue Keeper"));
  std::string Get(std::string_view key, std::string_view fallback) override;
  WriteResult Save(std::string_view key, std::string_view value) override;

 private:
  QSettings settings_;
};

}  // namespace hk
