#pragma once

#include <filesystem>
#include <string>

#include "ini_file.h"
#include "settings.h"

// The settings file "配置.ini" in the program's directory: section "配置"
// with the keys "计算精度" and "小数保留位数".
class SettingsFile {
 public:
  explicit SettingsFile(const std::filesystem::path& directory);

  bool SettingsFileExists() const;
  // At start-up: a missing file is created with 计算精度 = 3 and
  // 小数保留位数 = 5; failures are not reported.
  void CreateWithDefaultsIfMissing() const;
  Settings Load() const;
  // Writes both keys (both writes are always attempted); true when both succeed.
  bool Save(const Settings& settings) const;

  const std::filesystem::path& Path() const { return ini_.Path(); }

 private:
  IniFile ini_;
};
