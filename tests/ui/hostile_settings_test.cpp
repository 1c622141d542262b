// Whatever the settings file holds, the calculator starts, stays usable and
// reads the settings as the rules say; the settings window reports a file it
// cannot write instead of pretending success.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <functional>
#include <random>

#include "gbk.h"
#include "main_window.h"
#include "settings_window.h"
#include "ui_main_window.h"
#include "ui_settings_window.h"
#include "window_test.h"

namespace {

using Setup = std::function<void(const std::filesystem::path&)>;

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

Setup Contents(std::string utf8) {
  return [gbk = Utf8ToGbk(utf8)](const std::filesystem::path& path) { WriteFile(path, gbk); };
}

Setup RandomBytes(std::size_t size) {
  return [size](const std::filesystem::path& path) {
    std::mt19937 random(7);
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random());
    WriteFile(path, bytes);
  };
}

struct HostileFile {
  const char* name;
  Setup setup;
  std::string precisionText;  // the texts as read at start-up
  std::string placesText;
  int precision;              // the values the calculator uses
  int places;
  const char* confirmMessage; // 确定 with 50 and 50
};

class HostileSettingsFile : public WindowTest, public testing::WithParamInterface<HostileFile> {};

TEST_P(HostileSettingsFile, StartsUsableAndReadsTheRules) {
  const HostileFile& file = GetParam();
  file.setup(SettingsPath());

  MainWindow window(app);
  window.show();
  // Compared without printing: a text may be a million digits long.
  EXPECT_TRUE(app.settings.计算精度 == file.precisionText);
  EXPECT_TRUE(app.settings.小数保留位数 == file.placesText);
  EXPECT_EQ(app.settings.PrecisionDigits(), file.precision);
  EXPECT_EQ(app.settings.DecimalPlaces(), file.places);

  QTest::mouseClick(window.Form().数字7按钮, Qt::LeftButton);
  EXPECT_EQ(window.Form().显示编辑框->toPlainText(), "7");

  SettingsWindow settingsWindow(app);
  EXPECT_TRUE(settingsWindow.Form().计算精度编辑框->text().toStdString() == file.precisionText);
  settingsWindow.Form().计算精度编辑框->setText("50");
  settingsWindow.Form().小数保留位数编辑框->setText("50");
  QTest::mouseClick(settingsWindow.Form().确定按钮, Qt::LeftButton);
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().text, file.confirmMessage);
  if (messages.shown.back().text == "更新数据成功") {
    EXPECT_EQ(app.settingsFile.Load().计算精度, "50");
  } else {
    EXPECT_TRUE(app.settings.计算精度 == file.precisionText);
  }
}

const std::string kMillionDigits(1'000'000, '7');

INSTANTIATE_TEST_SUITE_P(
    Files, HostileSettingsFile,
    testing::Values(
        HostileFile{"missing", [](const auto&) {}, "3", "5", 3, 5, "更新数据成功"},
        HostileFile{"empty", Contents(""), "", "", 0, 0, "更新数据成功"},
        HostileFile{"section_without_keys", Contents("[配置]\r\n"), "", "", 0, 0, "更新数据成功"},
        HostileFile{"directory", [](const auto& path) { std::filesystem::create_directory(path); }, "", "", 0, 0,
                    "没有找到配置文件，请确认文件存在"},
        HostileFile{"symlink_loop", [](const auto& path) { std::filesystem::create_symlink(path, path); }, "", "",
                    0, 0, "没有找到配置文件，请确认文件存在"},
        HostileFile{"device_that_cannot_be_written",
                    [](const auto& path) { std::filesystem::create_symlink("/dev/full", path); }, "", "", 0, 0,
                    "更新数据失败"},
        HostileFile{"utf8_instead_of_gbk",
                    [](const auto& path) { WriteFile(path, "[配置]\r\n计算精度=7\r\n小数保留位数=8\r\n"); }, "",
                    "", 0, 0, "更新数据成功"},
        HostileFile{"binary_garbage", RandomBytes(4096), "", "", 0, 0, "更新数据成功"},
        HostileFile{"huge_file", RandomBytes(100 << 20), "", "", 0, 0, "更新数据成功"},
        HostileFile{"keys_repeated", Contents("[配置]\r\n计算精度=7\r\n计算精度=9\r\n小数保留位数=2\r\n"), "7", "2", 7,
                    2, "更新数据成功"},
        HostileFile{"million_digit_values",
                    Contents("[配置]\r\n计算精度=" + kMillionDigits + "\r\n小数保留位数=-" + kMillionDigits + "\r\n"),
                    kMillionDigits, "-" + kMillionDigits, 50, 0, "更新数据成功"},
        HostileFile{"out_of_range_and_odd_numbers", Contents("[配置]\r\n计算精度=1e400\r\n小数保留位数=-0\r\n"),
                    "1e400", "-0", 50, 0, "更新数据成功"},
        HostileFile{"not_a_number", Contents("[配置]\r\n计算精度=nan\r\n小数保留位数=inf\r\n"), "nan", "inf", 0, 0,
                    "更新数据成功"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
