#include "platform/settingsstore.h"

namespace hk {

namespace {
QString Key(std::string_view key) {
  return QStringLiteral("Preference/") +
         QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}
}  // namespace

QtSettingsStore::QtSettingsStore(const QString& application)
    : settings_(QSettings::IniFormat, QSettings::UserScope, application, application) {}

std::string QtSettingsStore::Get(std::string_view key, std::string_view fallback) {
  const QVariant v = settings_.value(Key(key));
  if (!v.isValid()) return std::string(fallback);
  return v.toString().toStdString();
}

bool QtSettingsStore::Save(std::string_view key, std::string_view value) {
  settings_.setValue(Key(key), QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
  settings_.sync();
  return settings_.status() == QSettings::NoError;
}

}  // namespace hk
