#include "app/qt/qt_settings_store.h"

#include <QSettings>
#include <QStringList>

namespace kx700 {
namespace {

const QString kOrganisation = QStringLiteral("Quendar");
const QString kProgramGroup = QStringLiteral("1.00");
const QString kRecentFiles = QStringLiteral("Recent File List");

QSettings ProgramSettings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, QStringLiteral("kx700 1"));
}

QSettings UserSettings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, QStringLiteral("pc_kx700"));
}

std::optional<std::string> Read(const QSettings& settings, const QString& key) {
  const QVariant value = settings.value(key);
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

bool Write(QSettings& settings, const QString& key, const std::string& value) {
  settings.setValue(key, QString::fromStdString(value));
  settings.sync();
  return settings.status() == QSettings::NoError && settings.isWritable();
}

} // namespace

std::optional<std::string> QtSettingsStore::ProgramValue(const std::string& name) const {
  return Read(ProgramSettings(), kProgramGroup + '/' + QString::fromStdString(name));
}

bool QtSettingsStore::SetProgramValue(const std::string& name, const std::string& value) {
  QSettings settings = ProgramSettings();
  return Write(settings, kProgramGroup + '/' + QString::fromStdString(name), value);
}

std::optional<std::string> QtSettingsStore::UserValue(const std::string& name) const {
  return Read(UserSettings(), QString::fromStdString(name));
}

bool QtSettingsStore::SetUserValue(const std::string& name, const std::string& value) {
  QSettings settings = UserSettings();
  return Write(settings, QString::fromStdString(name), value);
}

std::vector<std::string> QtSettingsStore::RecentFiles() const {
  QSettings settings = UserSettings();
  std::vector<std::string> files;
  for (int i = 1;; ++i) {
    const QString file = settings.value(kRecentFiles + QStringLiteral("/File%1").arg(i)).toString();
    if (file.isEmpty()) break;
    files.push_back(file.toStdString());
  }
  return files;
}

void QtSettingsStore::SetRecentFiles(const std::vector<std::string>& files) {
  QSettings settings = UserSettings();
  settings.remove(kRecentFiles);
  for (std::size_t i = 0; i < files.size(); ++i)
    settings.setValue(kRecentFiles + QStringLiteral("/File%1").arg(i + 1), QString::fromStdString(files[i]));
}

} // namespace kx700
