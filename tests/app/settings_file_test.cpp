#include "settings_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "file_bytes.h"
#include "gbk.h"
#include "scratch_directory.h"

namespace {

class SettingsFileTest : public testing::Test {
 protected:
  const std::filesystem::path& Directory() const { return directory_.Path(); }
  std::filesystem::path Path() const { return Directory() / "配置.ini"; }
  std::string Bytes() const { return FileBytes(Path()); }

 private:
  ScratchDirectory directory_;
};

TEST_F(SettingsFileTest, MissingFileIsCreatedWithDefaultsInGbk) {
  const SettingsFile file(Directory());
  EXPECT_FALSE(file.SettingsFileExists());
  file.CreateWithDefaultsIfMissing();
  EXPECT_TRUE(file.SettingsFileExists());
  EXPECT_EQ(Bytes(), Utf8ToGbk("[配置]\r\n计算精度=3\r\n小数保留位数=5\r\n"));
  const Settings settings = file.Load();
  EXPECT_EQ(settings.计算精度, "3");
  EXPECT_EQ(settings.小数保留位数, "5");
}

TEST_F(SettingsFileTest, ExistingFileIsLeftAlone) {
  std::ofstream(Path(), std::ios::binary) << Utf8ToGbk("[配置]\r\n");
  const SettingsFile file(Directory());
  file.CreateWithDefaultsIfMissing();
  EXPECT_EQ(Bytes(), Utf8ToGbk("[配置]\r\n"));
  const Settings settings = file.Load();
  EXPECT_EQ(settings.计算精度, "");
  EXPECT_EQ(settings.小数保留位数, "");
}

TEST_F(SettingsFileTest, SaveWritesBothKeys) {
  const SettingsFile file(Directory());
  file.CreateWithDefaultsIfMissing();
  ASSERT_TRUE(file.Save(Settings{"50", "0"}));
  EXPECT_EQ(Bytes(), Utf8ToGbk("[配置]\r\n计算精度=50\r\n小数保留位数=0\r\n"));
}

}  // namespace
