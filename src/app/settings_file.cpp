#include "settings_file.h"

#include <fstream>

namespace {

constexpr const char* kFileName = "配置.ini";
constexpr const char* kSection = "配置";
constexpr const char* kPrecisionKey = "计算精度";
constexpr const char* kPlacesKey = "小数保留位数";

}  // namespace

SettingsFile::SettingsFile(const std::filesystem::path& directory)
    : ini_(directory / kFileName) {}

bool SettingsFile::SettingsFileExists() const { return FileExistsAndIsNotDirectory(ini_.Path()); }

void SettingsFile::CreateWithDefaultsIfMissing() const {
  if (SettingsFileExists()) return;
  std::ofstream(ini_.Path(), std::ios::binary);
  ini_.Write(kSection, kPrecisionKey, "3");
  ini_.Write(kSection, kPlacesKey, "5");
}

Settings SettingsFile::Load() const {
  Settings settings;
  settings.计算精度 = ini_.Read(kSection, kPrecisionKey);
  settings.小数保留位数 = ini_.Read(kSection, kPlacesKey);
  return settings;
}

bool SettingsFile::Save(const Settings& settings) const {
  const bool precisionWritten = ini_.Write(kSection, kPrecisionKey, settings.计算精度);
  const bool placesWritten = ini_.Write(kSection, kPlacesKey, settings.小数保留位数);
  return precisionWritten && placesWritten;
}
