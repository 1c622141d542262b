#include "settings_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>


#include "file_bytes.h"
#include "gbk.h"
#include "ui_settings_window.h"
#include "window_test.h"

namespace {

class SettingsWindowTest : public WindowTest {
 protected:
  SettingsWindowTest() {
    app.settingsFile.CreateWithDefaultsIfMissing();
    app.settings = app.settingsFile.Load();
  }

  // Opens the window, fills both boxes and clicks 确定.
  void Confirm(SettingsWindow& window, const QString& precision, const QString& places) {
    window.Form().计算精度编辑框->setText(precision);
    window.Form().小数保留位数编辑框->setText(places);
    QTest::mouseClick(window.Form().确定按钮, Qt::LeftButton);
  }

  void Show(SettingsWindow& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  std::string FileBytes() const { return ::FileBytes(SettingsPath()); }
};

TEST_F(SettingsWindowTest, OpensWithTheFileValuesNotTheSettingsInMemory) {
  app.settings = Settings{"7", "8"};
  SettingsWindow window(app);
  EXPECT_EQ(window.Form().计算精度编辑框->text(), "3");
  EXPECT_EQ(window.Form().小数保留位数编辑框->text(), "5");
}

struct Refusal {
  const char* name;
  const char* precision;
  const char* places;
  const char* message;
};

class SettingsWindowRefusal : public SettingsWindowTest, public testing::WithParamInterface<Refusal> {};

TEST_P(SettingsWindowRefusal, ShowsFirstFailedCheckAndKeepsEverything) {
  SettingsWindow window(app);
  Show(window);
  const std::string before = FileBytes();
  Confirm(window, GetParam().precision, GetParam().places);
  EXPECT_EQ(messages.shown, (std::vector<RecordingMessages::Message>{{GetParam().message, MessageIcon::None}}));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.Form().计算精度编辑框->text(), GetParam().precision);
  EXPECT_EQ(window.Form().小数保留位数编辑框->text(), GetParam().places);
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(app.settings.计算精度, "3");
  EXPECT_EQ(app.settings.小数保留位数, "5");
}

INSTANTIATE_TEST_SUITE_P(
    Checks, SettingsWindowRefusal,
    testing::Values(
        Refusal{"both_empty", "", "", "数据不能为空"},
        Refusal{"second_empty", "3", "", "数据不能为空"},
        Refusal{"negative_precision_before_fraction_places", "-1", "2.5", "计算精度不能为负数"},
        Refusal{"fraction_precision", "1.5", "5", "计算精度不能为小数"},
        Refusal{"negative_places", "3", "-2", "小数保留位数不能为负数"},
        Refusal{"fraction_places", "3", "2.5", "小数保留位数不能为小数"},
        Refusal{"precision_above_50", "51", "5", "计算精度不能大于50"},
        Refusal{"places_above_50", "50", "51", "小数保留位数不能大于50"},
        Refusal{"huge_precision", "100000", "5", "计算精度不能大于50"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsWindowTest, EmptyBoxGetsTheFocus) {
  SettingsWindow window(app);
  Show(window);
  Confirm(window, "", "");
  EXPECT_TRUE(window.Form().计算精度编辑框->hasFocus());
  Confirm(window, "3", "");
  EXPECT_TRUE(window.Form().小数保留位数编辑框->hasFocus());
}

TEST_F(SettingsWindowTest, AcceptsFiftyWritesGbkFileAndReplacesSettings) {
  SettingsWindow window(app);
  Show(window);
  Confirm(window, "50", "50");
  EXPECT_EQ(messages.shown, (std::vector<RecordingMessages::Message>{{"更新数据成功", MessageIcon::None}}));
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_EQ(FileBytes(), Utf8ToGbk("[配置]\r\n计算精度=50\r\n小数保留位数=50\r\n"));
  EXPECT_EQ(app.settings.计算精度, "50");
  EXPECT_EQ(app.settings.小数保留位数, "50");

  SettingsWindow reopened(app);
  EXPECT_EQ(reopened.Form().计算精度编辑框->text(), "50");
}

TEST_F(SettingsWindowTest, DeletedFileIsReportedAndNotRecreated) {
  SettingsWindow window(app);
  Show(window);
  std::filesystem::remove(SettingsPath());
  Confirm(window, "4", "6");
  EXPECT_EQ(messages.shown.back().text, "没有找到配置文件，请确认文件存在");
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
  EXPECT_TRUE(window.isVisible());
}

TEST_F(SettingsWindowTest, FailedWriteIsReportedAndSettingsStay) {
  SettingsWindow window(app);
  Show(window);
  // A settings "file" that exists but cannot hold the settings.
  std::filesystem::remove(SettingsPath());
  std::filesystem::create_symlink("/dev/full", SettingsPath());
  Confirm(window, "4", "6");
  EXPECT_EQ(messages.shown.back().text, "更新数据失败");
  EXPECT_EQ(app.settings.计算精度, "3");
  EXPECT_TRUE(window.isVisible());
}

TEST_F(SettingsWindowTest, CancelAndCloseButtonWriteNothing) {
  const std::string before = FileBytes();
  {
    SettingsWindow window(app);
    Show(window);
    window.Form().计算精度编辑框->setText("9");
    QTest::mouseClick(window.Form().取消按钮, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
  }
  {
    SettingsWindow window(app);
    Show(window);
    window.Form().计算精度编辑框->setText("9");
    QTest::mousePress(window.Form().关闭按钮, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
  }
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(app.settings.计算精度, "3");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SettingsWindowTest, BoxesTakeOnlyWholeNumberKeys) {
  SettingsWindow window(app);
  Show(window);
  QLineEdit* box = window.Form().计算精度编辑框;
  box->clear();
  box->setFocus();
  QTest::keyClicks(box, "1a.2");
  EXPECT_EQ(box->text(), "12");
}

}  // namespace
